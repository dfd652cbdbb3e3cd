#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Windows language identifiers that have a language folder, searched from the
// first row down.
struct LanguageRow {
    std::string_view languageId;
    std::string_view folderName;
};

inline constexpr std::array<LanguageRow, 12> languageTable = {{
    {"042E", "De_DE"},
    {"0409", "En_US"},
    {"0407", "De_DE"},
    {"040C", "Fr_FR"},
    {"0C0A", "Es_ES"},
    {"040A", "Es_ES"},
    {"0416", "Pt_BR"},
    {"0410", "It_IT"},
    {"0412", "Ko_KR"},
    {"0411", "Ja_JP"},
    {"0804", "Zh_CN"},
    {"0404", "Zh_TW"},
}};

// The folder, relative to the program folder, where the menu looks first for
// its definition and picture: ".\" followed by a five-character language name
// and a backslash (".\En_US\"), or ".\" alone when the user's language has no
// folder. Sets the program's locale from the environment on the way.
std::string languageFolder();

// The choice itself. `runtimeLocale` is the name the runtime reported for the
// environment's locale (nothing when it refused); `userLanguageId` gives the
// user's language identifier and is asked only when that name does not have
// the form of a language name.
std::string languageFolderFor(const std::optional<std::string>& runtimeLocale,
                              const std::function<std::optional<std::string>()>& userLanguageId);
