#include "window/MenuWindow.h"

#include "menu/DefinitionFixture.h"
#include "support/BmpWriter.h"
#include "support/WorkedExampleFace.h"

using platform::Point;
using platform::Rect;
using platform::Size;

namespace {

// One entry, "Install", 48 x 16 with the worked-example face: with these
// margins the column is 120 x 300.
const char* const column120x300 = "NofItems=1\nMarginRight=59\nMarginBottom=271\n[ITEM1]\nLabel=Install\n";

class MenuWindowTest : public DefinitionTest {
protected:
    void SetUp() override
    {
        DefinitionTest::SetUp();
        testing_support::useWorkedExampleFace();
    }

    std::unique_ptr<MenuWindow> withPicture(std::int32_t width, std::int32_t height)
    {
        disc.write("picture.bmp", testing_support::solidBmp(width, height, 0x336699));
        return read(std::string("Background=picture.bmp\n") + column120x300);
    }
};

} // namespace

TEST_F(MenuWindowTest, WithoutPictureTheClientAreaIsTheColumn)
{
    const auto window = read(column120x300);
    EXPECT_EQ(window->clientSize(), (Size{120, 300}));
    EXPECT_EQ(window->panel().itemRects()[0].left, 13);
    EXPECT_EQ(window->fillRect(), (Rect{0, 0, 120, 300}));
}

TEST_F(MenuWindowTest, PictureAndColumnSideBySide)
{
    struct Case {
        const char* name;
        Size picture;
        Size client;
        Rect fill;
    };
    const Case cases[] = {
        {"shorter picture", {200, 150}, {320, 300}, {0, 0, 320, 300}},
        {"taller picture", {200, 400}, {320, 400}, {200, 0, 520, 400}},
        {"equal heights", {200, 300}, {320, 300}, {0, 0, 320, 300}},
    };
    for (const Case& c : cases) {
        const auto window = withPicture(c.picture.width, c.picture.height);
        EXPECT_EQ(window->clientSize(), c.client) << c.name;
        EXPECT_EQ(window->fillRect(), c.fill) << c.name;
        EXPECT_EQ(window->panel().itemRects()[0].topLeft(), (Point{213, 13})) << c.name;
    }
}

TEST_F(MenuWindowTest, TheFrameIsCentredOnTheScreen)
{
    struct Case {
        Size screen;
        Point position;
    };
    // The client area is 320 x 300, so the frame is 326 x 329.
    for (const Case& c : {Case{{1024, 768}, {349, 219}}, Case{{315, 768}, {-5, 219}}, Case{{326, 200}, {0, -64}},
                          Case{{327, 330}, {0, 0}}}) {
        platform::headless::setScreenSize(c.screen);
        const auto window = withPicture(200, 150);
        EXPECT_EQ(window->outerSize(), (Size{326, 329}));
        EXPECT_EQ(window->position(), c.position) << c.screen.width << " x " << c.screen.height;
    }
}

TEST_F(MenuWindowTest, ItIsShownFocusedAndRefreshed)
{
    const auto window = read(column120x300);
    const auto state = platform::headless::windowState(*window);
    EXPECT_TRUE(state.visible);
    EXPECT_TRUE(state.focused);
    EXPECT_EQ(state.refreshCount, 1);
}
