#include "platform/posix/WindowsLanguage.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

using platform::posix::windowsLanguageId;

TEST(WindowsLanguageTest, LocaleNamesBecomeWindowsIdentifiers)
{
    struct Case {
        const char* locale;
        const char* id; // empty: none
    };
    const Case cases[] = {
        {"en_US", "0409"},       {"en_GB.UTF-8", "0809"}, {"de_DE.UTF-8", "0407"}, {"fr_FR@euro", "040C"},
        {"es_ES.ISO-8859-15@euro", "0C0A"}, {"pt_BR.UTF-8", "0416"}, {"it_IT", "0410"}, {"ko_KR.EUC-KR", "0412"},
        {"ja_JP.UTF-8", "0411"}, {"zh_CN.GB18030", "0804"}, {"zh_TW.Big5", "0404"}, {"de_AT.UTF-8", "0C07"},
        {"fr_CA.UTF-8", "0C0C"}, {"de", "0407"},         {"EN_us.utf8", "0409"},  {"C", ""},
        {"POSIX", ""},           {"C.UTF-8", ""},         {"xx_YY.UTF-8", ""},     {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowsLanguageId(c.locale).value_or(""), c.id) << c.locale;
}

TEST(WindowsLanguageTest, TheMessagesLocaleComesFromTheFirstVariableSet)
{
    testing_support::ScopedEnvironment environment;
    environment.set("LC_ALL", "de_DE.UTF-8");
    environment.set("LC_MESSAGES", "fr_FR.UTF-8");
    environment.set("LANG", "es_ES.UTF-8");
    EXPECT_EQ(platform::posix::environmentMessagesLocale(), "de_DE.UTF-8");
    environment.set("LC_ALL", "");
    EXPECT_EQ(platform::posix::environmentMessagesLocale(), "fr_FR.UTF-8");
    environment.clear("LC_MESSAGES");
    EXPECT_EQ(platform::posix::environmentMessagesLocale(), "es_ES.UTF-8");
    environment.clear("LANG");
    EXPECT_EQ(platform::posix::environmentMessagesLocale(), "");
}
