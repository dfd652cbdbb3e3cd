#include "window/MenuPainting.h"

#include "interaction/PointerTracking.h"
#include "menu/DefinitionFixture.h"
#include "support/BmpWriter.h"
#include "support/RecordingContext.h"
#include "support/WorkedExampleFace.h"

using platform::Bitmap;

namespace {

constexpr std::uint32_t navy = 0x000080;
constexpr std::uint32_t white = 0xFFFFFF;
constexpr std::uint32_t picture = 0x336699;

class MenuPaintingTest : public DefinitionTest {
protected:
    Bitmap paintAndLook(MenuWindow& window)
    {
        platform::headless::paint(window);
        return platform::headless::clientPixels(window);
    }
};

} // namespace

TEST_F(MenuPaintingTest, BackgroundEntriesThenPicture)
{
    testing_support::useWorkedExampleFace();
    disc.write("pic.bmp", testing_support::solidBmp(20, 10, picture));
    const auto window = read("Background=pic.bmp\nColorBack=000080\nNofItems=2\n"
                             "[ITEM1]\nLabel=I\n[ITEM2]\nLabel=\n");
    const Bitmap pixels = paintAndLook(*window);
    // Picture 20 x 10 at the origin, entries from x = 33: "I" is a 6 x 16 box.
    EXPECT_EQ(pixels.pixel(0, 0), picture);
    EXPECT_EQ(pixels.pixel(19, 9), picture);
    EXPECT_EQ(pixels.pixel(19, 10), navy) << "below a shorter picture: background";
    EXPECT_EQ(pixels.pixel(20, 0), navy);
    EXPECT_EQ(pixels.pixel(33, 13), white);
    EXPECT_EQ(pixels.pixel(38, 28), white);
    EXPECT_EQ(pixels.pixel(39, 13), navy);
    EXPECT_EQ(pixels.pixel(33, 29), navy);
    EXPECT_EQ(pixels.pixel(pixels.width() - 1, pixels.height() - 1), navy);
}

TEST_F(MenuPaintingTest, ThePictureCoversAnEntryReachingIntoIt)
{
    testing_support::useWorkedExampleFace();
    disc.write("pic.bmp", testing_support::solidBmp(20, 40, picture));
    const auto window = read("Background=pic.bmp\nMarginLeft=-10\nNofItems=1\n[ITEM1]\nLabel=xxxx\n");
    const Bitmap pixels = paintAndLook(*window);
    // The entry runs from x = 10 to 38; its part left of 20 is under the picture.
    EXPECT_EQ(pixels.pixel(15, 20), picture);
    EXPECT_EQ(pixels.pixel(25, 20), white);
}

TEST_F(MenuPaintingTest, ATallerPictureIsLeftToItselfByTheFill)
{
    testing_support::useWorkedExampleFace();
    disc.write("pic.bmp", testing_support::solidBmp(20, 100, picture));
    const auto window = read("Background=pic.bmp\nColorBack=000080\nNofItems=1\n[ITEM1]\nLabel=I\n");
    EXPECT_EQ(window->fillRect(), (platform::Rect{20, 0, 20 + 52, 100})) << "moved right, its size kept";
    const Bitmap pixels = paintAndLook(*window);
    EXPECT_EQ(pixels.pixel(0, 99), picture);
    EXPECT_EQ(pixels.pixel(20, 99), navy);
}

TEST_F(MenuPaintingTest, ASmallInvalidAreaRepaintsEverything)
{
    testing_support::useWorkedExampleFace();
    const auto window = read("NofItems=3\n[ITEM1]\nLabel=a\n[ITEM2]\nLabel=b\n[ITEM3]\nLabel=c\n");
    const Bitmap full = paintAndLook(*window);
    platform::headless::forgetDrawnTexts(*window);
    platform::headless::paint(*window, {0, 0, 1, 1});
    EXPECT_EQ(platform::headless::drawnTexts(*window).size(), 3u);
    EXPECT_EQ(platform::headless::clientPixels(*window).pixels(), full.pixels());
}

TEST_F(MenuPaintingTest, EntriesAreDrawnAtRestWhateverThePointer)
{
    testing_support::useWorkedExampleFace();
    const auto window = read("ColorEnter=00FF00\nNofItems=2\n[ITEM1]\nLabel=a\n[ITEM2]\nLabel=b\n");
    const Bitmap fresh = paintAndLook(*window);
    platform::headless::movePointer(*window, {15, 40});
    ASSERT_EQ(window->panel().hoverIndex(), 1);
    EXPECT_NE(platform::headless::clientPixels(*window).pixels(), fresh.pixels());
    EXPECT_EQ(paintAndLook(*window).pixels(), fresh.pixels()) << "a repaint shows every entry at rest";
}

TEST_F(MenuPaintingTest, PaintItemsRestoresThePenAndUsesTheRestColour)
{
    const auto window = read("ColorText=102030\nNofItems=2\n[ITEM1]\nLabel=a\\nb\n[ITEM2]\nLabel=c\n");
    testing_support::RecordingContext context;
    context.setPenColor({9, 9, 9});
    paintItems(window->panel(), context);
    ASSERT_EQ(context.texts.size(), 3u);
    for (const auto& text : context.texts)
        EXPECT_EQ(text.pen, (platform::Color{0x10, 0x20, 0x30}));
    EXPECT_EQ(context.pen, (platform::Color{9, 9, 9}));
}

// Smoothed glyphs drawn over themselves would thicken; an entry highlighted
// and put back to rest any number of times must look as freshly painted.
TEST_F(MenuPaintingTest, RecolouringLooksExactlyLikeAFreshPaint)
{
    const auto window = read("FontFace=DejaVu Sans\nFontSize=12\nColorBack=203040\nColorText=F0E0D0\n"
                             "ColorEnter=FFD24A\nNofItems=2\n[ITEM1]\nLabel=Install the demo\n[ITEM2]\nLabel=Exit\n");
    const Bitmap fresh = paintAndLook(*window);
    const platform::Rect first = window->panel().itemRects()[0];
    const platform::Point inside{first.left + 2, (first.top + first.bottom) / 2};
    for (int i = 0; i < 50; ++i) {
        platform::headless::movePointer(*window, inside);
        platform::headless::movePointer(*window, {0, 0});
    }
    EXPECT_EQ(platform::headless::clientPixels(*window).pixels(), fresh.pixels());
    platform::headless::movePointer(*window, inside);
    EXPECT_NE(platform::headless::clientPixels(*window).pixels(), fresh.pixels()) << "the highlight shows";
}
