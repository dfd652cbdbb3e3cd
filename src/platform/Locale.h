#pragma once

#include <optional>
#include <string>

namespace platform {

// Sets the program's locale for all categories from the environment, as
// setlocale(LC_ALL, "") does, and gives the locale name the runtime reports,
// or nothing when the runtime refuses. The change lasts for the whole run.
std::optional<std::string> adoptEnvironmentLocale();

// The user's language as a Windows language identifier written as four
// hexadecimal digits ("0409" for English, United States), or nothing when it
// cannot be told. On Linux it comes from the environment's locale variables.
std::optional<std::string> userLanguageId();

} // namespace platform
