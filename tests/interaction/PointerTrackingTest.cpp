#include "interaction/PointerTracking.h"

#include "interaction/LaunchFixture.h"
#include "window/MenuMouseHandler.h"
#include "support/WorkedExampleFace.h"

using platform::Color;
using platform::MouseAction;
using platform::MouseButton;
using platform::Point;
using platform::headless::messageBoxes;

namespace {

constexpr Color rest{255, 255, 255};
constexpr Color enter{0, 0, 255};
constexpr Color click{255, 0, 0};

// Three entries, "a", "b" and "c", each 7 x 16, at x = 13 and y = 13, 39
// and 65. Each starts nothing but names itself in a message box: its folder
// does not exist.
const char* const threeEntries = "NofItems=3\n"
                                 "[ITEM1]\nLabel=a\nAction=one\nDir=missing\\\n"
                                 "[ITEM2]\nLabel=b\nAction=two\nDir=missing\\\n"
                                 "[ITEM3]\nLabel=c\nAction=three\nDir=missing\\\n";

const Point overA{15, 20};
const Point overB{15, 45};
const Point overC{15, 70};
const Point gap{15, 32};

struct Drawn {
    std::string text;
    Color pen;
    friend bool operator==(const Drawn&, const Drawn&) = default;
};

std::ostream& operator<<(std::ostream& out, const Drawn& drawn)
{
    return out << drawn.text << " in " << int(drawn.pen.red) << "," << int(drawn.pen.green) << ","
               << int(drawn.pen.blue);
}

class PointerTrackingTest : public LaunchTest {
protected:
    void SetUp() override
    {
        LaunchTest::SetUp();
        testing_support::useWorkedExampleFace();
        window = read(threeEntries);
        platform::headless::paint(*window);
        here = std::make_unique<testing_support::CurrentDirectory>(disc.path());
    }

    // What pointer events drew since the last call.
    std::vector<Drawn> drawn()
    {
        std::vector<Drawn> result;
        for (const auto& text : platform::headless::drawnTexts(*window)) {
            if (!text.inPaintEvent)
                result.push_back({text.text, text.pen});
        }
        platform::headless::forgetDrawnTexts(*window);
        return result;
    }

    void move(Point at, std::uint32_t flags = 0) { platform::headless::movePointer(*window, at, flags); }
    void button(MouseAction action, MouseButton which = MouseButton::primary, std::uint32_t flags = 0)
    {
        platform::headless::sendButton(*window, which, action, {}, flags);
    }

    std::vector<std::string> launched() const
    {
        std::vector<std::string> names;
        for (const auto& box : messageBoxes())
            names.push_back(box.text.substr(box.text.find('\\') + 1));
        return names;
    }

    MenuPanel& panel() { return window->panel(); }

    std::unique_ptr<testing_support::CurrentDirectory> here;
};

} // namespace

TEST_F(PointerTrackingTest, EdgesOfAnEntry)
{
    const platform::Rect a = panel().itemRects()[0];
    ASSERT_EQ(a, (platform::Rect{13, 13, 20, 29}));
    struct Case {
        Point at;
        std::int32_t entry;
    };
    const Case cases[] = {
        {{13, 20}, 0},  // the left edge is inside
        {{19, 28}, 0},  // the last row and column inside
        {{20, 20}, -1}, // the right edge is outside
        {{15, 13}, -1}, // the top edge is outside
        {{15, 29}, -1}, // the bottom edge is outside
        {{12, 20}, -1}, // left of the column
        {{15, 32}, -1}, // the gap between entries
        {{15, 40}, 1},
        {{-5, -5}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryAt(panel(), c.at.x, c.at.y), c.entry) << c.at.x << ", " << c.at.y;
}

TEST_F(PointerTrackingTest, MovesFollowTheStateTable)
{
    move(gap);
    EXPECT_EQ(drawn(), std::vector<Drawn>{}) << "over no entry with none lit: nothing";

    move(overA);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", enter}}));
    EXPECT_EQ(panel().hoverIndex(), 0);

    move({16, 21}, platform::mouseFlags::shift);
    EXPECT_EQ(drawn(), std::vector<Drawn>{}) << "moving within one entry draws nothing";
    EXPECT_EQ(panel().buttonDown(), platform::mouseFlags::shift) << "but keeps the flags";

    move(overB);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", rest}, {"b", enter}}));

    move(overC, platform::mouseFlags::primary);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"b", rest}, {"c", click}}));

    move(gap, platform::mouseFlags::control);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"c", rest}}));
    EXPECT_EQ(panel().hoverIndex(), -1);
    EXPECT_EQ(panel().buttonDown(), platform::mouseFlags::primary) << "kept when over no entry";
}

TEST_F(PointerTrackingTest, OnlyThePrimaryButtonAloneGivesTheClickColour)
{
    struct Case {
        std::uint32_t flags;
        Color color;
    };
    using namespace platform::mouseFlags;
    for (const Case& c : {Case{primary, click}, Case{primary | shift, enter}, Case{primary | control, enter},
                          Case{primary | secondary, enter}, Case{primary | middle, enter}, Case{secondary, enter},
                          Case{0, enter}}) {
        move(gap);
        drawn();
        move(overA, c.flags);
        EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", c.color}})) << c.flags;
    }
}

TEST_F(PointerTrackingTest, PressAndReleaseRedrawAndLaunch)
{
    button(MouseAction::down);
    EXPECT_EQ(drawn(), std::vector<Drawn>{}) << "nothing lit: nothing drawn";
    EXPECT_EQ(panel().buttonDown(), 1u);
    move(overA, platform::mouseFlags::primary);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", click}})) << "pressed outside, moved in";

    button(MouseAction::up);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", enter}}));
    EXPECT_EQ(panel().buttonDown(), 0u);
    EXPECT_EQ(launched(), (std::vector<std::string>{"one"}));

    button(MouseAction::down);
    EXPECT_EQ(drawn(), (std::vector<Drawn>{{"a", click}}));
}

TEST_F(PointerTrackingTest, TheEntryUnderTheReleaseIsLaunched)
{
    move(overA);
    button(MouseAction::down);
    move(overB, platform::mouseFlags::primary);
    button(MouseAction::up);
    EXPECT_EQ(launched(), (std::vector<std::string>{"two"}));

    move(overC);
    button(MouseAction::down);
    move(gap, platform::mouseFlags::primary);
    button(MouseAction::up);
    EXPECT_EQ(launched(), (std::vector<std::string>{"two"})) << "a release in the gap launches nothing";
}

TEST_F(PointerTrackingTest, ADoubleClickLaunchesTwice)
{
    move(overB);
    button(MouseAction::down);
    button(MouseAction::up);
    button(MouseAction::doubleClick);
    button(MouseAction::up);
    EXPECT_EQ(launched(), (std::vector<std::string>{"two", "two"}));
}

TEST_F(PointerTrackingTest, OtherButtonsAndMadeUpClicksDoNothing)
{
    move(overA);
    drawn();
    for (MouseButton which : {MouseButton::secondary, MouseButton::middle}) {
        for (MouseAction action : {MouseAction::down, MouseAction::up, MouseAction::doubleClick, MouseAction::click})
            button(action, which);
    }
    button(MouseAction::click);
    EXPECT_EQ(drawn(), std::vector<Drawn>{});
    EXPECT_TRUE(launched().empty());
    EXPECT_EQ(panel().buttonDown(), 0u);
}

TEST_F(PointerTrackingTest, TheRedrawnEntryShowsItsColourOnScreen)
{
    move(overB, platform::mouseFlags::primary);
    const platform::Bitmap pixels = platform::headless::clientPixels(*window);
    EXPECT_EQ(pixels.pixel(14, 45), 0xFF0000u) << "the click colour";
    EXPECT_EQ(pixels.pixel(14, 20), 0xFFFFFFu) << "the others at rest";
}

TEST_F(DefinitionTest, WithoutEntriesThePointerChangesNothing)
{
    testing_support::useWorkedExampleFace();
    const auto window = read("; no entries\n");
    platform::headless::movePointer(*window, {15, 20}, 1);
    platform::headless::sendButton(*window, MouseButton::primary, MouseAction::down, {15, 20}, 1);
    platform::headless::sendButton(*window, MouseButton::primary, MouseAction::up, {15, 20}, 0);
    EXPECT_TRUE(platform::headless::drawnTexts(*window).empty());
    EXPECT_EQ(window->panel().hoverIndex(), -1);
    EXPECT_TRUE(messageBoxes().empty());
}

TEST_F(PointerTrackingTest, TheHandlerLeavesEveryEventToThePlatformToo)
{
    MenuMouseHandler handler(*window);
    EXPECT_FALSE(handler.move({*window, overA, 0}));
    EXPECT_FALSE(handler.button({*window, MouseButton::primary, MouseAction::down, overA, 1}));
    EXPECT_FALSE(handler.button({*window, MouseButton::primary, MouseAction::up, overA, 0}));
    EXPECT_FALSE(handler.button({*window, MouseButton::secondary, MouseAction::down, overA, 2}));
    EXPECT_FALSE(handler.setCursor()) << "the window's own pointer shape stays";
    EXPECT_EQ(launched(), (std::vector<std::string>{"one"}));
}
