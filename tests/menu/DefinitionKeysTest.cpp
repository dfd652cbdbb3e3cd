// Every key of the definition and its effect on the window and the menu.

#include "menu/DefinitionFixture.h"
#include "support/BmpWriter.h"

#include "platform/PlatformError.h"

#include <climits>

using platform::Color;

TEST_F(DefinitionTest, WithoutKeysTheDefaultsStay)
{
    const auto window = read("; nothing but a comment\n");
    EXPECT_EQ(window->titleText(), "Corvanta - Install Selection");
    EXPECT_EQ(window->message(1), "Please insert CD");
    EXPECT_EQ(window->message(2), "Cound not Change Directory/Execute: ");
    EXPECT_EQ(window->message(3), "Cannot open file: ");
    EXPECT_EQ(window->backgroundColor(), (Color{0, 0, 0}));
    EXPECT_EQ(window->backgroundBitmap(), nullptr);
    const MenuPanel& panel = window->panel();
    EXPECT_EQ(panel.itemCount(), 0);
    EXPECT_EQ(panel.font().face(), "Helv");
    EXPECT_EQ(panel.font().pointSize(), 10);
    EXPECT_EQ(panel.font().weight(), 700);
    EXPECT_EQ(panel.insertDiscMessage(), &window->message(1));
    EXPECT_EQ(panel.launchFailedMessage(), &window->message(2));
    EXPECT_EQ(panel.openFailedMessage(), &window->message(3));
}

TEST_F(DefinitionTest, GlobalKeysSetTheWindowAndTheLook)
{
    disc.write("start.bmp", testing_support::solidBmp(4, 3, 0x123456));
    const auto window = read("Background=start.bmp\n"
                             "Title1=Demo Disc\n"
                             "Title2=Start Menu\n"
                             "ErrorMsg1=Insert disc \n"
                             "ErrorMsg2=No way: \n"
                             "ErrorMsg3=Missing: \n"
                             "ColorBack=102030\n"
                             "ColorText=ff8000\n"
                             "ColorEnter=00FF00\n"
                             "ColorClick=0000fF\n"
                             "FontSize=12\n"
                             "FontFace=Arial\n"
                             "FontBold=0\n"
                             "NofItems=2\n"
                             "LineSpacing=4\n"
                             "MarginLeft=20\n"
                             "MarginRight=21\n"
                             "MarginTop=22\n"
                             "MarginBottom=23\n");
    ASSERT_NE(window->backgroundBitmap(), nullptr);
    EXPECT_EQ(window->backgroundBitmap()->size(), (platform::Size{4, 3}));
    EXPECT_EQ(window->backgroundBitmap()->pixel(3, 2), 0x123456u);
    EXPECT_EQ(window->titleText(), "Demo Disc - Start Menu");
    EXPECT_EQ(window->message(1), "Insert disc ");
    EXPECT_EQ(window->message(2), "No way: ");
    EXPECT_EQ(window->message(3), "Missing: ");
    EXPECT_EQ(window->backgroundColor(), (Color{0x10, 0x20, 0x30}));
    EXPECT_EQ(window->frameBackgroundColor(), (Color{0x10, 0x20, 0x30}));

    const MenuPanel& panel = window->panel();
    EXPECT_EQ(panel.colorText(), (Color{255, 128, 0}));
    EXPECT_EQ(panel.colorEnter(), (Color{0, 255, 0}));
    EXPECT_EQ(panel.colorClick(), (Color{0, 0, 255}));
    EXPECT_EQ(panel.font().pointSize(), 12);
    EXPECT_EQ(panel.font().face(), "Arial");
    EXPECT_EQ(panel.font().weight(), 400);
    EXPECT_EQ(panel.itemCount(), 2);
    EXPECT_EQ(panel.itemRects().size(), 2u);
    EXPECT_EQ(panel.lineSpacing(), 4);
    EXPECT_EQ(panel.marginLeft(), 20);
    EXPECT_EQ(panel.marginRight(), 21);
    EXPECT_EQ(panel.marginTop(), 22);
    EXPECT_EQ(panel.marginBottom(), 23);
}

TEST_F(DefinitionTest, EntryKeysFillTheirEntryVerbatim)
{
    const auto window = read("NofItems=2\n"
                             "[ITEM2]\n"
                             "Label=Read\\nme first\n"
                             "Action=setup.exe \n"
                             "Exit=1\n"
                             "Param= /s /q\n"
                             "Dir=setup\\\n"
                             "Disk=Disc2\n"
                             "[ITEM1]\n"
                             "label=Leave\n"
                             "ACTION=exit\n");
    const MenuItem& second = window->panel().item(1);
    EXPECT_EQ(second.label, "Read\\nme first");
    EXPECT_EQ(second.action, "setup.exe ");
    EXPECT_EQ(second.exit, "1");
    EXPECT_EQ(second.param, " /s /q");
    EXPECT_EQ(second.dir, "setup\\");
    EXPECT_EQ(second.disk, "Disc2");
    const MenuItem& first = window->panel().item(0);
    EXPECT_EQ(first.label, "Leave");
    EXPECT_EQ(first.action, "exit");
    EXPECT_EQ(first.exit, "");
}

TEST_F(DefinitionTest, TitleRules)
{
    struct Case {
        const char* lines;
        const char* title;
    };
    for (const Case& c : {Case{"Title2=\n", "Corvanta"}, Case{"Title1=\nTitle2=Shown?\n", ""},
                          Case{"Title1=Only\n", "Only - Install Selection"}}) {
        const auto window = read(c.lines);
        EXPECT_EQ(window->titleText(), c.title) << c.lines;
    }
}

TEST_F(DefinitionTest, ColourValues)
{
    struct Case {
        const char* value;
        Color color;
    };
    for (const Case& c : {Case{"ff8000", {255, 128, 0}}, Case{"GG0000", {0, 0, 0}}, Case{"aBcDeF", {0xAB, 0xCD, 0xEF}},
                          Case{"F", {0xF0, 0, 0}}, Case{"1234", {0x12, 0x34, 0}}, Case{"", {0, 0, 0}},
                          Case{"FFFFFFFF", {255, 255, 255}}, Case{" FFFFF", {0x0F, 0xFF, 0xFF}}}) {
        const auto window = read(std::string("ColorEnter=") + c.value + "\n");
        EXPECT_EQ(window->panel().colorEnter(), c.color) << c.value;
    }
}

TEST_F(DefinitionTest, FontBoldTakesTheFirstCharacter)
{
    struct Case {
        const char* line;
        int weight;
    };
    for (const Case& c : {Case{"FontBold=0\n", 400}, Case{"FontBold=1\n", 700}, Case{"FontBold=no\n", 700},
                          Case{"FontBold=\n", 700}, Case{"FontBold=00\n", 400}, Case{"FontBold= 0\n", 700}}) {
        const auto window = read(std::string("FontBold=0\n") + c.line);
        EXPECT_EQ(window->panel().font().weight(), c.weight) << c.line;
    }
}

TEST_F(DefinitionTest, NumbersTakeTheirLeadingDigits)
{
    const auto window = read("FontSize=  14pt\n"
                             "LineSpacing=-3\n"
                             "MarginLeft=+7\n"
                             "MarginRight=x9\n"
                             "MarginTop=99999999999\n"
                             "MarginBottom=-99999999999\n");
    const MenuPanel& panel = window->panel();
    EXPECT_EQ(panel.font().pointSize(), 14);
    EXPECT_EQ(panel.lineSpacing(), -3);
    EXPECT_EQ(panel.marginLeft(), 7);
    EXPECT_EQ(panel.marginRight(), 0);
    EXPECT_EQ(panel.marginTop(), INT_MAX);
    EXPECT_EQ(panel.marginBottom(), INT_MIN);
}

TEST_F(DefinitionTest, MessageKeysSkipTheCharacterAfterTheDigit)
{
    const auto window = read("ErrorMsg1:Insert the disc\n"
                             "ErrorMsg2\n"
                             "ErrorMsg4=Nowhere\n"
                             "ErrorMsg\n"
                             "ErrorMsg3==Twice\n");
    EXPECT_EQ(window->message(1), "Insert the disc");
    EXPECT_EQ(window->message(2), "") << "nothing after the digit is an empty text";
    EXPECT_EQ(window->message(3), "=Twice");
}

TEST_F(DefinitionTest, ColorAndMarginLinesWithOtherEndingsAreIgnored)
{
    const auto window = read("ColorTexts=FF0000\n"
                             "Colour=FF0000\n"
                             "MarginLeft =40\n"
                             "Margins=40\n");
    EXPECT_EQ(window->panel().colorText(), (Color{255, 255, 255}));
    EXPECT_EQ(window->panel().marginLeft(), 13);
}

TEST_F(DefinitionTest, LaterValuesReplaceEarlierOnes)
{
    disc.write("first.bmp", testing_support::solidBmp(2, 2, 0xFF0000));
    disc.write("second.bmp", testing_support::solidBmp(5, 1, 0x00FF00));
    const auto window = read("Background=first.bmp\n"
                             "Background=second.bmp\n"
                             "NofItems=1\n"
                             "[ITEM1]\n"
                             "Label=One\n"
                             "Label=Two\n");
    ASSERT_NE(window->backgroundBitmap(), nullptr);
    EXPECT_EQ(window->backgroundBitmap()->size(), (platform::Size{5, 1}));
    EXPECT_EQ(window->panel().item(0).label, "Two");
}

TEST_F(DefinitionTest, SecondItemCountReplacesTheEntries)
{
    const auto window = read("NofItems=3\n"
                             "NofItems=2\n"
                             "[ITEM1]\n"
                             "Label=Kept\n");
    EXPECT_EQ(window->panel().itemCount(), 2);
    EXPECT_EQ(window->panel().item(0).label, "Kept");
    EXPECT_EQ(window->panel().item(1).label, "");
}

TEST_F(DefinitionTest, LongNamesAreKeptWhole)
{
    const std::string picture = "a-picture-name-well-beyond-twenty-two-characters.bmp";
    const std::string face = "A Font Face Name That Is Longer Than Thirty-One Characters";
    disc.write(picture, testing_support::solidBmp(1, 1, 0));
    const auto window = read("Background=" + picture + "\nFontFace=" + face + "\n");
    EXPECT_NE(window->backgroundBitmap(), nullptr);
    EXPECT_EQ(window->panel().font().face(), face);
}

TEST_F(DefinitionTest, AMissingPictureRaisesThePlatformErrorNamingIt)
{
    disc.write("autoplay.ini", "Background=nowhere.bmp\n");
    try {
        build();
        FAIL() << "the window was built without its picture";
    } catch (const platform::PlatformError& error) {
        EXPECT_NE(error.topText().find("nowhere.bmp"), std::string::npos) << error.topText();
        ASSERT_FALSE(error.locations().empty());
        EXPECT_FALSE(error.locations().front().file.empty());
    }
}

TEST_F(DefinitionTest, WindowsTextIsDecoded)
{
    const auto window = read("Title1=Caf\xE9 \x80\n"
                             "NofItems=1\n"
                             "[ITEM1]\n"
                             "Label=Gr\xFC\xDF" "e\n");
    EXPECT_EQ(window->titleText(), "Caf\xC3\xA9 \xE2\x82\xAC - Install Selection");
    EXPECT_EQ(window->panel().item(0).label, "Gr\xC3\xBC\xC3\x9F" "e");
}

TEST_F(DefinitionTest, Utf8TextIsKeptAndItsByteOrderMarkDropped)
{
    const auto window = read("\xEF\xBB\xBFTitle1=Caf\xC3\xA9\n");
    EXPECT_EQ(window->titleText(), "Caf\xC3\xA9 - Install Selection");
}

TEST_F(DefinitionTest, APictureNameWithTrailingBlanksIsFoundAsOnWindows)
{
    disc.write("start.bmp", testing_support::solidBmp(3, 2, 0));
    const auto window = read("Background=start.bmp  \n");
    ASSERT_NE(window->backgroundBitmap(), nullptr);
    EXPECT_EQ(window->backgroundBitmap()->width(), 3);
}
