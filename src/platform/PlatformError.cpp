#include "platform/PlatformError.h"

#include <utility>

namespace platform {

SourceLocation SourceLocation::from(const std::source_location& where)
{
    return SourceLocation{where.file_name(), where.function_name(), where.line()};
}

PlatformError::PlatformError(std::string text, const std::source_location& where)
{
    texts_.push_back(std::move(text));
    locations_.push_back(SourceLocation::from(where));
}

void PlatformError::pushText(std::string text)
{
    texts_.push_back(std::move(text));
}

void PlatformError::addLocation(const std::source_location& where)
{
    locations_.push_back(SourceLocation::from(where));
}

} // namespace platform
