#include "menu/MenuPanel.h"

#include "menu/DefinitionFixture.h"
#include "support/RecordingContext.h"

using platform::Color;
using platform::Rect;

TEST_F(DefinitionTest, ANewPanelHasItsDefaults)
{
    const auto window = read("; empty\n");
    const MenuPanel& panel = window->panel();
    EXPECT_EQ(&panel.owner(), window.get());
    EXPECT_EQ(panel.itemCount(), 0);
    EXPECT_TRUE(panel.itemRects().empty());
    EXPECT_EQ(panel.lineSpacing(), 10);
    EXPECT_EQ(panel.marginLeft(), 13);
    EXPECT_EQ(panel.marginRight(), 13);
    EXPECT_EQ(panel.marginTop(), 13);
    EXPECT_EQ(panel.marginBottom(), 13);
    EXPECT_EQ(panel.buttonDown(), 0u);
    EXPECT_EQ(panel.hoverIndex(), -1);
    EXPECT_EQ(panel.colorText(), (Color{255, 255, 255}));
    EXPECT_EQ(panel.colorEnter(), (Color{0, 0, 255}));
    EXPECT_EQ(panel.colorClick(), (Color{255, 0, 0}));
    EXPECT_EQ(panel.font().face(), "Helv");
    EXPECT_EQ(panel.font().weight(), platform::Font::boldWeight);
    EXPECT_EQ(platform::Font::requestedHeight(panel.font().pointSize(), 96), -13);
}

TEST_F(DefinitionTest, AllocatingItemsReplacesEverything)
{
    auto window = read("; empty\n");
    MenuPanel& panel = window->panel();
    panel.allocateItems(3);
    panel.item(0).label = "old";
    panel.allocateItems(2);
    ASSERT_EQ(panel.itemCount(), 2);
    EXPECT_EQ(panel.item(0).label, "");
    EXPECT_EQ(panel.itemRects(), (std::vector<Rect>{Rect{}, Rect{}}));
    panel.allocateItems(-4);
    EXPECT_EQ(panel.itemCount(), -4);
    EXPECT_TRUE(panel.itemRects().empty());
    panel.allocateItems(0);
    EXPECT_EQ(panel.itemCount(), 0);
}

TEST_F(DefinitionTest, BoldIsAnyNonZeroValue)
{
    auto window = read("; empty\n");
    MenuPanel& panel = window->panel();
    for (int value : {2, -48, 1}) {
        panel.setFontBold(0);
        panel.setFontBold(value);
        EXPECT_EQ(panel.font().weight(), 700) << value;
    }
    panel.setFontBold(0);
    EXPECT_EQ(panel.font().weight(), 400);
}

TEST_F(DefinitionTest, MessagesAreSeenThroughTheirReferences)
{
    auto window = read("ErrorMsg1=Insert \n");
    ASSERT_NE(window->panel().insertDiscMessage(), nullptr);
    EXPECT_EQ(*window->panel().insertDiscMessage(), "Insert ");
    window->setMessage(1, "Changed");
    EXPECT_EQ(*window->panel().insertDiscMessage(), "Changed");
}

TEST(MenuItemTest, DrawsItsLinesInOrderWithTheContextState)
{
    testing_support::RecordingContext context;
    MenuItem fresh;
    fresh.drawLines(context);
    EXPECT_TRUE(context.texts.empty()) << "a fresh entry draws nothing";
    EXPECT_EQ(fresh.lineCount, 0);

    MenuItem item;
    item.lines.emplace_back("Read", platform::Point{5, 6});
    item.lines.emplace_back("me first", platform::Point{5, 22});
    item.lineCount = 2;
    context.setPenColor({1, 2, 3});
    item.drawLines(context);
    ASSERT_EQ(context.texts.size(), 2u);
    EXPECT_EQ(context.texts[0].text, "Read");
    EXPECT_EQ(context.texts[0].at, (platform::Point{5, 6}));
    EXPECT_EQ(context.texts[1].text, "me first");
    EXPECT_EQ(context.texts[1].at, (platform::Point{5, 22}));
    EXPECT_EQ(context.texts[1].pen, (Color{1, 2, 3}));
}
