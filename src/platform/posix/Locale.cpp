#include "platform/Locale.h"

#include "platform/posix/WindowsLanguage.h"

#include <clocale>

namespace platform {

std::optional<std::string> adoptEnvironmentLocale()
{
    if (const char* name = std::setlocale(LC_ALL, ""))
        return std::string(name);
    return std::nullopt;
}

std::optional<std::string> userLanguageId()
{
    return posix::windowsLanguageId(posix::environmentMessagesLocale());
}

} // namespace platform
