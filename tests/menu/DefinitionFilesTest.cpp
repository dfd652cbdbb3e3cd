// Where the definition and its picture are looked up, and what happens when
// there is no definition.

#include "menu/DefinitionFixture.h"
#include "support/BmpWriter.h"

#include "platform/MessageBox.h"

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;

TEST_F(DefinitionTest, TheLanguageFolderComesFirst)
{
    environment.useLocale("fr_FR.UTF-8");
    disc.write("autoplay.ini", "Title1=Program folder\n");
    disc.write("Fr_FR/autoplay.ini", "Title1=Dossier\n");
    EXPECT_EQ(build()->titleText(), "Dossier - Install Selection");
}

TEST_F(DefinitionTest, TheLanguageFolderIsFoundInAnyLetterCase)
{
    environment.useLocale("fr_FR.UTF-8");
    disc.write("autoplay.ini", "Title1=Program folder\n");
    disc.write("fr_fr/AUTOPLAY.INI", "Title1=Dossier\n");
    EXPECT_EQ(build()->titleText(), "Dossier - Install Selection");
}

TEST_F(DefinitionTest, WithoutACopyInTheLanguageFolderTheProgramFolderIsRead)
{
    environment.useLocale("de_DE.UTF-8");
    disc.write("De_DE/start.bmp", testing_support::solidBmp(1, 1, 0));
    disc.write("autoplay.ini", "Title1=Program folder\n");
    EXPECT_EQ(build()->titleText(), "Program folder - Install Selection");
}

TEST_F(DefinitionTest, ThePictureComesFromTheLanguageFolderFirst)
{
    environment.useLocale("de_DE.UTF-8");
    disc.write("De_DE/autoplay.ini", "Background=both.bmp\nColorBack=000001\n");
    disc.write("De_DE/both.bmp", testing_support::solidBmp(3, 3, 0x0000FF));
    disc.write("both.bmp", testing_support::solidBmp(7, 7, 0xFF0000));
    const auto fromLanguage = build();
    ASSERT_NE(fromLanguage->backgroundBitmap(), nullptr);
    EXPECT_EQ(fromLanguage->backgroundBitmap()->width(), 3);

    disc.write("De_DE/autoplay.ini", "Background=only.bmp\n");
    disc.write("only.bmp", testing_support::solidBmp(9, 2, 0x00FF00));
    const auto fromProgram = build();
    ASSERT_NE(fromProgram->backgroundBitmap(), nullptr);
    EXPECT_EQ(fromProgram->backgroundBitmap()->width(), 9);
}

TEST_F(DefinitionTest, TheProgramFolderDefinitionFindsThePictureInTheLanguageFolder)
{
    environment.useLocale("es_ES.UTF-8");
    disc.write("autoplay.ini", "Background=pic.bmp\n");
    disc.write("Es_ES/pic.bmp", testing_support::solidBmp(6, 1, 0));
    disc.write("pic.bmp", testing_support::solidBmp(2, 1, 0));
    EXPECT_EQ(build()->backgroundBitmap()->width(), 6);
}

TEST_F(DefinitionTest, NoDefinitionIsReportedAndEndsWithStatusMinusOne)
{
    disc.write("Fr_FR/readme.txt", "not a definition\n");
    EXPECT_EQ(exitStatusOfBuild(), -1);
    const auto& boxes = platform::headless::messageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot open file: autoplay.ini");
    EXPECT_EQ(boxes[0].caption, "Corvanta - Install Selection");
    EXPECT_TRUE(boxes[0].hadOwner);
    EXPECT_EQ(boxes[0].buttons, MessageButtons::ok);
    EXPECT_EQ(boxes[0].icon, MessageIcon::stop);
}

TEST_F(DefinitionTest, AFolderNamedLikeTheDefinitionIsNoDefinition)
{
    std::filesystem::create_directory(disc.path() / "autoplay.ini");
    EXPECT_EQ(exitStatusOfBuild(), -1);
    EXPECT_EQ(platform::headless::messageBoxes().size(), 1u);
}
