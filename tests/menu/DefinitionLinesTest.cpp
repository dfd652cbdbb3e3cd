// How the lines of a definition are cut, skipped and assigned to sections.

#include "menu/DefinitionFixture.h"

#include "menu/MenuPanel.h"

namespace {

const char* const sample = "Title1=Demo\n"
                           "NofItems=2\n"
                           "[ITEM1]\n"
                           "Label=Install\\nthe program\n"
                           "Action=setup.exe\n"
                           "Exit=1\n"
                           "[ITEM2]\n"
                           "Label=Leave\n"
                           "Action=exit\n";

std::string withCrLf(std::string text)
{
    std::string out;
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

TEST_F(DefinitionTest, CrLfLinesGiveTheSameMenu)
{
    const auto plain = read(sample);
    const auto crlf = read(withCrLf(sample));
    EXPECT_EQ(crlf->titleText(), plain->titleText());
    ASSERT_EQ(crlf->panel().itemCount(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(crlf->panel().item(i).label, plain->panel().item(i).label);
        EXPECT_EQ(crlf->panel().item(i).action, plain->panel().item(i).action);
        EXPECT_EQ(crlf->panel().item(i).exit, plain->panel().item(i).exit);
    }
}

TEST_F(DefinitionTest, ALastLineWithoutLineBreakIsNotRead)
{
    const auto window = read("NofItems=1\n[ITEM1]\nAction=go\nDisk=CD2");
    EXPECT_EQ(window->panel().item(0).action, "go");
    EXPECT_EQ(window->panel().item(0).disk, "");
}

TEST_F(DefinitionTest, ALongLineIsCutAfter254Characters)
{
    // The first 254 characters set the label; the rest is a line of its own,
    // which counts when it happens to begin with a key.
    const std::string label(254 - 6, 'x');
    const auto window = read("NofItems=2\n[ITEM1]\nLabel=" + label + "Action=go\n" + "[ITEM2]\nLabel=" + label +
                             "tail that is no key\n");
    EXPECT_EQ(window->panel().item(0).label, label);
    EXPECT_EQ(window->panel().item(0).action, "go");
    EXPECT_EQ(window->panel().item(1).label, label);
}

TEST_F(DefinitionTest, CommentsShortLinesAndUnknownKeysAreSkipped)
{
    const auto window = read(";Title1=Commented\n"
                             "\n"
                             "Tit\n"
                             "Title3=Unknown\n"
                             " Title1=Leading blank\n"
                             "Title1 =Blank before equals\n"
                             "title1=lower case key\n"
                             "NofItems=1\n"
                             "[ITEM1]\n"
                             ";Label=Commented\n"
                             "Disk=\n");
    EXPECT_EQ(window->titleText(), "lower case key - Install Selection");
    EXPECT_EQ(window->panel().item(0).label, "");
}

TEST_F(DefinitionTest, GlobalKeysAfterTheFirstSectionAreIgnored)
{
    const auto before = read("ColorText=FF0000\nNofItems=1\n[ITEM1]\n");
    EXPECT_EQ(before->panel().colorText(), (platform::Color{255, 0, 0}));
    const auto after = read("NofItems=1\n[ITEM1]\nColorText=FF0000\nTitle1=Late\n");
    EXPECT_EQ(after->panel().colorText(), (platform::Color{255, 255, 255}));
    EXPECT_EQ(after->titleText(), "Corvanta - Install Selection");
}

TEST_F(DefinitionTest, EntryKeysBeforeTheFirstSectionAreIgnored)
{
    const auto window = read("NofItems=1\nLabel=Too early\n[ITEM1]\n");
    EXPECT_EQ(window->panel().item(0).label, "");
}

TEST_F(DefinitionTest, SectionHeadersInAnyFormOrderAndRepetition)
{
    const auto window = read("NofItems=3\n"
                             "[item2]\n"
                             "Label=Second\n"
                             "[ITEM1 without a bracket\n"
                             "Label=First\n"
                             "[ITEM]\n"
                             "Label=Third\n"
                             "[ITEM2]\n"
                             "Action=second.exe\n"
                             "[ITEM0]\n"
                             "Action=third.exe\n");
    const MenuPanel& panel = window->panel();
    EXPECT_EQ(panel.item(0).label, "First");
    EXPECT_EQ(panel.item(1).label, "Second");
    EXPECT_EQ(panel.item(1).action, "second.exe");
    EXPECT_EQ(panel.item(2).label, "Third");
    EXPECT_EQ(panel.item(2).action, "third.exe");
}

TEST_F(DefinitionTest, ItemZeroWithoutEntriesReturnsToTheGlobalArea)
{
    const auto window = read("[ITEM0]\n"
                             "Title1=Still global\n"
                             "NofItems=1\n"
                             "[ITEM1]\n"
                             "Label=One\n");
    EXPECT_EQ(window->titleText(), "Still global - Install Selection");
    ASSERT_EQ(window->panel().itemCount(), 1);
    EXPECT_EQ(window->panel().item(0).label, "One");
}

// Sections that address no entry are ignored whole: their lines touch no
// entry and are not read as global keys either.
TEST_F(DefinitionTest, SectionsOutsideTheEntriesAreIgnored)
{
    struct Case {
        const char* name;
        const char* definition;
    };
    const Case cases[] = {
        {"number above the count", "NofItems=2\n[ITEM3]\nLabel=Nowhere\nTitle1=Nowhere\n"},
        {"negative number", "NofItems=2\n[ITEM-1]\nLabel=Nowhere\n"},
        {"no count at all", "[ITEM1]\nLabel=Nowhere\nTitle1=Nowhere\n"},
        {"number beyond 32 bits", "NofItems=2\n[ITEM4294967297]\nLabel=Nowhere\n"},
        {"negative beyond 32 bits", "NofItems=2\n[ITEM-2147483649]\nLabel=Nowhere\n"},
        {"largest number", "NofItems=2\n[ITEM2147483647]\nLabel=Nowhere\n"},
        {"smallest number", "NofItems=2\n[ITEM-2147483648]\nLabel=Nowhere\n"},
        {"zero with a negative count", "NofItems=-5\n[ITEM0]\nLabel=Nowhere\nTitle1=Nowhere\n"},
    };
    for (const Case& c : cases) {
        const auto window = read(c.definition);
        EXPECT_EQ(window->titleText(), "Corvanta - Install Selection") << c.name;
        for (std::int32_t i = 0; i < window->panel().itemCount(); ++i)
            EXPECT_EQ(window->panel().item(i).label, "") << c.name;
    }
}

TEST_F(DefinitionTest, AbsurdItemCountsNeitherCrashNorExhaustMemory)
{
    struct Case {
        const char* value;
        std::int32_t count;
    };
    for (const Case& c : {Case{"2147483647", MenuPanel::maxItemCount}, Case{"99999999999999", MenuPanel::maxItemCount},
                          Case{"-2147483648", -2147483647 - 1}, Case{"-3", -3}, Case{"0", 0}}) {
        const auto window = read(std::string("NofItems=") + c.value + "\n[ITEM0]\nLabel=Last\n");
        EXPECT_EQ(window->panel().itemCount(), c.count) << c.value;
        EXPECT_EQ(window->panel().itemRects().size(), static_cast<std::size_t>(std::max(c.count, 0))) << c.value;
        if (c.count > 0) {
            EXPECT_EQ(window->panel().item(c.count - 1).label, "Last") << c.value;
        }
    }
}
