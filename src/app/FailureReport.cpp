#include "app/FailureReport.h"

#include "platform/MessageBox.h"

void reportFailure(const platform::PlatformError& error, std::ostream& out)
{
    const platform::SourceLocation origin =
        error.locations().empty() ? platform::SourceLocation{} : error.locations().front();
    out << "Expection: " << error.topText() << std::endl;
    out << "File: " << origin.file << std::endl;
    out << "Function: " << (origin.function.empty() ? "Unknown" : origin.function) << std::endl;
    out << "Line: " << origin.line << std::endl;
    try {
        platform::showMessageBox(nullptr, error.topText(), platform::MessageButtons::ok, platform::MessageIcon::stop);
    } catch (const platform::PlatformError&) {
        // No box can be shown (no display to show it on): the lines above are
        // the report.
    }
}
