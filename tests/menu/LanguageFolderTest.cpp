#include "menu/LanguageFolder.h"

#include "support/ScopedEnvironment.h"

#include <gtest/gtest.h>

namespace {

std::function<std::optional<std::string>()> userLanguage(std::optional<std::string> id)
{
    return [id] { return id; };
}

} // namespace

TEST(LanguageFolderTest, EveryTableRowAndIdentifiersOutsideIt)
{
    struct Case {
        const char* id;
        const char* folder;
    };
    const Case cases[] = {
        {"042E", ".\\De_DE\\"}, {"0409", ".\\En_US\\"}, {"0407", ".\\De_DE\\"}, {"040C", ".\\Fr_FR\\"},
        {"0C0A", ".\\Es_ES\\"}, {"040A", ".\\Es_ES\\"}, {"0416", ".\\Pt_BR\\"}, {"0410", ".\\It_IT\\"},
        {"0412", ".\\Ko_KR\\"}, {"0411", ".\\Ja_JP\\"}, {"0804", ".\\Zh_CN\\"}, {"0404", ".\\Zh_TW\\"},
        {"040c", ".\\Fr_FR\\"}, {"0c0a", ".\\Es_ES\\"}, // hexadecimal digits in any case
        {"0809", ".\\"},        {"0C07", ".\\"},        {"", ".\\"},           {"040", ".\\"},
        {"04090", ".\\En_US\\"}, // only the first four characters count
    };
    for (const Case& c : cases)
        EXPECT_EQ(languageFolderFor(std::nullopt, userLanguage(c.id)), c.folder) << c.id;
    EXPECT_EQ(languageFolderFor(std::nullopt, userLanguage(std::nullopt)), ".\\");
}

TEST(LanguageFolderTest, TheRuntimeLocaleNameWinsWhenItIsALanguageName)
{
    bool asked = false;
    const auto english = [&asked]() -> std::optional<std::string> {
        asked = true;
        return "0409";
    };
    EXPECT_EQ(languageFolderFor("Fr_FR", english), ".\\Fr_FR\\");
    EXPECT_EQ(languageFolderFor("xx_YY", english), ".\\xx_YY\\");
    EXPECT_FALSE(asked) << "the user's language is not asked when the locale decides";
}

TEST(LanguageFolderTest, OtherLocaleNamesLeaveItToTheUserLanguage)
{
    for (const char* name : {"C", "fr", "fr_FR.UTF-8", "French_France.1252", "fr-FR", "fr_FRA", "fr_F"})
        EXPECT_EQ(languageFolderFor(name, userLanguage("0407")), ".\\De_DE\\") << name;
}

TEST(LanguageFolderTest, OnLinuxTheEnvironmentLocaleGivesTheUserLanguage)
{
    testing_support::ScopedEnvironment environment;
    struct Case {
        const char* locale;
        const char* folder;
    };
    // Linux reports locale names with a code set, so the environment's
    // language and territory decide through the table.
    for (const Case& c : {Case{"en_US.UTF-8", ".\\En_US\\"}, Case{"en_GB.UTF-8", ".\\"},
                          Case{"es_ES.UTF-8", ".\\Es_ES\\"}, Case{"zh_TW.UTF-8", ".\\Zh_TW\\"}, Case{"C", ".\\"},
                          Case{"POSIX", ".\\"}}) {
        environment.useLocale(c.locale);
        EXPECT_EQ(languageFolder(), c.folder) << c.locale;
    }
}
