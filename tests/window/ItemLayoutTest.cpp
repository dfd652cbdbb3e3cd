#include "window/ItemLayout.h"

#include "menu/DefinitionFixture.h"
#include "support/BmpWriter.h"
#include "support/WorkedExampleFace.h"

#include <climits>

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

std::vector<std::string> lineTexts(const MenuItem& item)
{
    std::vector<std::string> texts;
    for (const auto& line : item.lines)
        texts.push_back(line.text());
    return texts;
}

class ItemLayoutTest : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        testing_support::useWorkedExampleFace();
    }
};

} // namespace

TEST(SplitLabelTest, LineBreaksAreBackslashN)
{
    struct Case {
        const char* label;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"", {""}},
        {"Setup", {"Setup"}},
        {"Setup\\n", {"Setup", ""}},
        {"A\\n\\nB", {"A", "", "B"}},
        {"\\nX", {"", "X"}},
        {"C:\\\\new", {"C:\\", "ew"}},
        {"real\nnewline", {"real\nnewline"}},
        {"\\\\n\\n", {"\\", "", ""}},
    };
    for (const Case& c : cases) {
        MenuItem item;
        item.label = c.label;
        splitLabel(item);
        EXPECT_EQ(lineTexts(item), c.lines) << c.label;
        EXPECT_EQ(item.lineCount, static_cast<std::int32_t>(c.lines.size())) << c.label;
    }
}

TEST_F(ItemLayoutTest, TheWorkedExample)
{
    disc.write("wide.bmp", testing_support::solidBmp(200, 50, 0));
    const auto window = read("Background=wide.bmp\n"
                             "NofItems=2\n"
                             "[ITEM1]\n"
                             "Label=Install\n"
                             "[ITEM2]\n"
                             "Label=Read\\nme first\n");
    const MenuPanel& panel = window->panel();
    EXPECT_EQ(panel.itemRects()[0], (Rect{213, 13, 261, 29}));
    EXPECT_EQ(panel.item(0).lines[0].position(), (Point{213, 13}));
    EXPECT_EQ(panel.itemRects()[1], (Rect{213, 39, 273, 71}));
    EXPECT_EQ(panel.item(1).lines[0].position(), (Point{213, 39}));
    EXPECT_EQ(panel.item(1).lines[1].position(), (Point{213, 55}));
    EXPECT_EQ(panelSize(panel), (Size{86, 84}));
    EXPECT_EQ(panel.item(0).font, &panel.font());
    EXPECT_EQ(window->clientSize(), (Size{286, 84}));
}

TEST_F(ItemLayoutTest, EntrySizesFollowTheirLines)
{
    struct Case {
        const char* label;
        Size size;
    };
    const Case cases[] = {
        {"", {0, 16}},               // one empty line still takes its height
        {"Setup\\n", {35, 32}},      // the empty second line adds height only
        {"A\\n\\nB", {7, 48}},
        {"  two  ", {49, 16}},        // blanks count in the width
        {"Install\\nRead", {48, 32}}, // the widest line decides
    };
    for (const Case& c : cases) {
        const auto window = read(std::string("NofItems=1\n[ITEM1]\nLabel=") + c.label + "\n");
        EXPECT_EQ(window->panel().itemRects()[0].size(), c.size) << c.label;
    }
}

TEST_F(ItemLayoutTest, ColumnSizes)
{
    struct Case {
        const char* name;
        const char* definition;
        Size column;
    };
    const Case cases[] = {
        {"no entries", "; none\n", {26, 16}},
        {"one entry", "NofItems=1\n[ITEM1]\nLabel=Install\n", {74, 42}},
        {"negative spacing and margins",
         "NofItems=2\nLineSpacing=-20\nMarginLeft=-5\nMarginTop=-3\n[ITEM1]\nLabel=Install\n[ITEM2]\nLabel=Read\n",
         {56, 22}},
        {"absurd margins", "NofItems=1\nMarginLeft=2147483647\nMarginRight=2147483647\n[ITEM1]\nLabel=I\n",
         {INT_MAX, 42}},
        {"absurd spacing",
         "NofItems=3\nLineSpacing=2147483647\nMarginTop=-2147483648\n[ITEM1]\nLabel=I\n[ITEM2]\n[ITEM3]\n",
         {32, INT_MAX}},
    };
    for (const Case& c : cases) {
        const auto window = read(c.definition);
        EXPECT_EQ(panelSize(window->panel()), c.column) << c.name;
    }
}

TEST_F(ItemLayoutTest, EntriesStackFromTheTopWhateverThePicture)
{
    disc.write("tall.bmp", testing_support::solidBmp(40, 500, 0));
    const auto window = read("Background=tall.bmp\nLineSpacing=5\nNofItems=3\n"
                             "[ITEM1]\nLabel=a\n[ITEM2]\nLabel=b\\nc\n[ITEM3]\nLabel=\n");
    const auto& rects = window->panel().itemRects();
    EXPECT_EQ(rects[0], (Rect{53, 13, 60, 29}));
    EXPECT_EQ(rects[1], (Rect{53, 34, 60, 66}));
    EXPECT_EQ(rects[2], (Rect{53, 71, 53, 87})) << "an empty label has no width but its place";
}
