#pragma once

#include <optional>
#include <string>

namespace platform::posix {

// The Windows language identifier, as four hexadecimal digits, of a POSIX
// locale name such as "fr_FR.UTF-8" or "de_AT@euro": its language and
// territory decide, the code set and modifier do not. A bare language ("de")
// takes its main country. Nothing for "C", "POSIX" and unknown pairs.
std::optional<std::string> windowsLanguageId(const std::string& localeName);

// The locale name the environment gives for messages: LC_ALL, else
// LC_MESSAGES, else LANG; empty variables count as unset.
std::string environmentMessagesLocale();

} // namespace platform::posix
