#include "menu/LanguageFolder.h"

#include "platform/Locale.h"
#include "platform/TextCompare.h"

namespace {

constexpr std::string_view programFolder = ".\\";

// "Fr_FR": two characters, an underscore, two characters.
bool isLanguageName(const std::string& name)
{
    return name.size() == 5 && name[2] == '_';
}

std::optional<std::string_view> folderForLanguageId(std::string_view languageId)
{
    if (languageId.size() < 4)
        return std::nullopt;
    for (const LanguageRow& row : languageTable) {
        if (platform::equalIgnoringCase(languageId.substr(0, 4), row.languageId))
            return row.folderName;
    }
    return std::nullopt;
}

} // namespace

std::string languageFolderFor(const std::optional<std::string>& runtimeLocale,
                              const std::function<std::optional<std::string>()>& userLanguageId)
{
    if (runtimeLocale && isLanguageName(*runtimeLocale))
        return std::string(programFolder) + *runtimeLocale + "\\";
    if (const std::optional<std::string> languageId = userLanguageId()) {
        if (const auto folder = folderForLanguageId(*languageId))
            return std::string(programFolder) + std::string(*folder) + "\\";
    }
    return std::string(programFolder);
}

std::string languageFolder()
{
    return languageFolderFor(platform::adoptEnvironmentLocale(), platform::userLanguageId);
}
