#include "platform/posix/WindowsLanguage.h"

#include "platform/TextCompare.h"

#include <array>
#include <cstdlib>
#include <string_view>

namespace platform::posix {

namespace {

struct LanguageRow {
    std::string_view locale; // language_TERRITORY, or a bare language
    std::string_view id;
};

constexpr std::array<LanguageRow, 71> languageRows = {{
    {"en_US", "0409"}, {"en_GB", "0809"}, {"en_AU", "0C09"}, {"en_CA", "1009"}, {"en_NZ", "1409"},
    {"en_IE", "1809"}, {"en_ZA", "1C09"}, {"en_IN", "4009"}, {"en", "0409"},
    {"de_DE", "0407"}, {"de_CH", "0807"}, {"de_AT", "0C07"}, {"de_LU", "1007"}, {"de_LI", "1407"},
    {"de", "0407"},
    {"fr_FR", "040C"}, {"fr_BE", "080C"}, {"fr_CA", "0C0C"}, {"fr_CH", "100C"}, {"fr_LU", "140C"},
    {"fr", "040C"},
    {"es_ES", "0C0A"}, {"es_MX", "080A"}, {"es_AR", "2C0A"}, {"es_CO", "240A"}, {"es_CL", "340A"},
    {"es_US", "540A"}, {"es", "0C0A"},
    {"pt_BR", "0416"}, {"pt_PT", "0816"}, {"pt", "0416"},
    {"it_IT", "0410"}, {"it_CH", "0810"}, {"it", "0410"},
    {"ko_KR", "0412"}, {"ko", "0412"},
    {"ja_JP", "0411"}, {"ja", "0411"},
    {"zh_CN", "0804"}, {"zh_TW", "0404"}, {"zh_HK", "0C04"}, {"zh_SG", "1004"}, {"zh", "0804"},
    {"nl_NL", "0413"}, {"nl_BE", "0813"}, {"nl", "0413"},
    {"sv_SE", "041D"}, {"da_DK", "0406"}, {"nb_NO", "0414"}, {"nn_NO", "0814"}, {"fi_FI", "040B"},
    {"pl_PL", "0415"}, {"cs_CZ", "0405"}, {"sk_SK", "041B"}, {"hu_HU", "040E"}, {"ro_RO", "0418"},
    {"ru_RU", "0419"}, {"uk_UA", "0422"}, {"bg_BG", "0402"}, {"el_GR", "0408"}, {"tr_TR", "041F"},
    {"he_IL", "040D"}, {"ar_SA", "0401"}, {"th_TH", "041E"}, {"vi_VN", "042A"}, {"id_ID", "0421"},
    {"hr_HR", "041A"}, {"sl_SI", "0424"}, {"et_EE", "0425"}, {"lv_LV", "0426"}, {"lt_LT", "0427"},
}};

// "fr_FR.UTF-8@euro" gives "fr_FR", "de.ISO-8859-1" gives "de".
std::string_view languageAndTerritory(std::string_view name)
{
    return name.substr(0, name.find_first_of(".@"));
}

} // namespace

std::optional<std::string> windowsLanguageId(const std::string& localeName)
{
    const std::string_view key = languageAndTerritory(localeName);
    for (const LanguageRow& row : languageRows) {
        if (equalIgnoringCase(row.locale, key))
            return std::string(row.id);
    }
    return std::nullopt;
}

std::string environmentMessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return value;
    }
    return {};
}

} // namespace platform::posix
