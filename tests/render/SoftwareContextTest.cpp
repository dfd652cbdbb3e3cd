#include "ScopedTestFace.h"

#include "platform/render/Framebuffer.h"
#include "platform/render/SoftwareContext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <vector>

using platform::Bitmap;
using platform::Color;
using platform::Point;
using platform::Rect;
using platform::render::Framebuffer;
using platform::render::pixelOf;
using platform::render::SoftwareContext;
using render_testing::ScopedTestFace;
using render_testing::simpleFace;

namespace {

constexpr std::uint32_t paper = 0x202020;
constexpr Color red{255, 0, 0};
constexpr Color blue{0, 0, 255};
constexpr Color green{0, 255, 0};

struct Area {
    Rect rect;
    std::uint32_t rgb;
};

// A picture of `paper` with the areas painted over it in order, each cut to
// the picture.
std::vector<std::uint32_t> picture(std::int32_t width, std::int32_t height, std::initializer_list<Area> areas)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width * height), paper);
    for (const Area& area : areas) {
        for (std::int32_t y = std::max(area.rect.top, 0); y < std::min(area.rect.bottom, height); ++y) {
            for (std::int32_t x = std::max(area.rect.left, 0); x < std::min(area.rect.right, width); ++x) {
                pixels[static_cast<std::size_t>(y * width + x)] = area.rgb;
            }
        }
    }
    return pixels;
}

Bitmap numberedBitmap(std::int32_t width, std::int32_t height)
{
    Bitmap bitmap(width, height);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            bitmap.setPixel(x, y, 0x100000u + static_cast<std::uint32_t>(y * 256 + x));
        }
    }
    return bitmap;
}

} // namespace

TEST(SoftwareContextTest, FillRectFillsUpToRightAndBottomAndOutlinesInThePen)
{
    struct Case {
        Rect rect;
        std::vector<std::uint32_t> expected;
    };
    const Case cases[] = {
        {{1, 1, 5, 4},
         picture(7, 6, {{{1, 1, 5, 4}, pixelOf(blue)}, {{2, 2, 4, 3}, pixelOf(green)}})},
        // Two pixels wide: all outline.
        {{2, 0, 4, 6}, picture(7, 6, {{{2, 0, 4, 6}, pixelOf(blue)}})},
        // Partly outside: the edges outside are not drawn.
        {{-2, 3, 3, 9}, picture(7, 6, {{{0, 3, 2, 6}, pixelOf(green)}, {{0, 3, 3, 4}, pixelOf(blue)},
                                       {{2, 3, 3, 6}, pixelOf(blue)}})},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, picture(7, 6, {{{0, 0, 7, 6}, pixelOf(green)}})},
        // Empty and inverted rectangles draw nothing.
        {{3, 3, 3, 5}, picture(7, 6, {})},
        {{5, 5, 1, 1}, picture(7, 6, {})},
    };
    for (const Case& c : cases) {
        Framebuffer frame(7, 6, paper);
        SoftwareContext context(frame, 96);
        context.setPenColor(blue);
        context.setFillColor(green);
        context.fillRect(c.rect);
        EXPECT_EQ(frame.visible(), c.expected) << c.rect.left << "," << c.rect.top << "," << c.rect.right << ","
                                               << c.rect.bottom;
    }
}

TEST(SoftwareContextTest, ClipReplacesTheLastOneAndStaysInsideTheFramebuffer)
{
    Framebuffer frame(6, 6, paper);
    SoftwareContext context(frame, 96);
    EXPECT_EQ(context.clip(), frame.bounds());
    context.setPenColor(red);
    context.setFillColor(red);

    context.setClip({-10, -10, 2, 3});
    EXPECT_EQ(context.clip(), (Rect{0, 0, 2, 3}));
    context.setClip({4, 4, 100, 100});
    EXPECT_EQ(context.clip(), (Rect{4, 4, 6, 6}));
    context.fillRect({0, 0, 6, 6});
    EXPECT_EQ(frame.visible(), picture(6, 6, {{{4, 4, 6, 6}, pixelOf(red)}}));

    context.setClip({INT_MAX - 1, 0, INT_MAX, 6});
    EXPECT_EQ(context.clip(), Rect{});
    context.fillRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    context.drawBitmap({0, 0}, numberedBitmap(6, 6));
    EXPECT_EQ(frame.visible(), picture(6, 6, {{{4, 4, 6, 6}, pixelOf(red)}}));
}

TEST(SoftwareContextTest, DrawBitmapCopiesPixelsUnchangedWithinTheClip)
{
    const Bitmap bitmap = numberedBitmap(4, 3);
    struct Case {
        Point at;
        Rect clip;
    };
    for (const Case& c : {Case{{1, 1}, {0, 0, 8, 8}}, Case{{-2, -1}, {0, 0, 8, 8}}, Case{{6, 6}, {0, 0, 8, 8}},
                          Case{{0, 0}, {1, 1, 3, 2}}, Case{{INT_MIN, INT_MIN}, {0, 0, 8, 8}},
                          Case{{INT_MAX, INT_MAX}, {0, 0, 8, 8}}, Case{{INT_MAX - 1, 0}, {0, 0, 8, 8}}}) {
        Framebuffer frame(8, 8, paper);
        SoftwareContext context(frame, 96);
        context.setClip(c.clip);
        context.drawBitmap(c.at, bitmap);
        for (std::int32_t y = 0; y < 8; ++y) {
            for (std::int32_t x = 0; x < 8; ++x) {
                const std::int64_t bx = std::int64_t{x} - c.at.x;
                const std::int64_t by = std::int64_t{y} - c.at.y;
                const bool inBitmap = bx >= 0 && by >= 0 && bx < 4 && by < 3;
                const bool inClip = x >= c.clip.left && x < c.clip.right && y >= c.clip.top && y < c.clip.bottom;
                const std::uint32_t expected = inBitmap && inClip
                                                   ? bitmap.pixel(static_cast<std::int32_t>(bx),
                                                                  static_cast<std::int32_t>(by))
                                                   : paper;
                ASSERT_EQ(frame.pixel(x, y), expected) << "at " << x << "," << y << " drawn at " << c.at.x << ","
                                                       << c.at.y;
            }
        }
    }
}

TEST(SoftwareContextTest, TestFaceDrawsEachCharacterAsABoxFromTheCellCorner)
{
    ScopedTestFace face(simpleFace());
    struct Case {
        const char* what;
        Point at;
        std::string text;
        Rect clip;
        std::vector<std::uint32_t> expected;
    };
    const std::uint32_t r = pixelOf(red);
    const Case cases[] = {
        {"two characters", {2, 1}, "aW", {0, 0, 20, 12}, picture(20, 12, {{{2, 1, 14, 11}, r}})},
        {"a blank advances without ink", {0, 0}, "a b", {0, 0, 20, 12},
         picture(20, 12, {{{0, 0, 5, 10}, r}, {{8, 0, 13, 10}, r}})},
        {"a multi-byte character is one box", {1, 2}, "\xC3\xA9W", {0, 0, 20, 12},
         picture(20, 12, {{{1, 2, 13, 12}, r}})},
        {"clipped", {2, 1}, "aW", {4, 3, 9, 20}, picture(20, 12, {{{4, 3, 9, 11}, r}})},
        {"above and left of the framebuffer", {-3, -6}, "ab", {0, 0, 20, 12}, picture(20, 12, {{{0, 0, 7, 4}, r}})},
        {"far away", {INT_MAX - 3, INT_MIN}, "abc", {0, 0, 20, 12}, picture(20, 12, {})},
        {"empty", {0, 0}, "", {0, 0, 20, 12}, picture(20, 12, {})},
    };
    for (const Case& c : cases) {
        Framebuffer frame(20, 12, paper);
        SoftwareContext context(frame, 96);
        context.setPenColor(red);
        context.setClip(c.clip);
        context.drawText(c.at, c.text);
        EXPECT_EQ(frame.visible(), c.expected) << c.what;
    }
}

TEST(SoftwareContextTest, DrawingAfterTextCoversIt)
{
    ScopedTestFace face(simpleFace());
    Framebuffer frame(12, 12, paper);
    SoftwareContext context(frame, 96);
    context.setPenColor(red);
    context.drawText({0, 0}, "ab");

    const Bitmap bitmap = numberedBitmap(12, 12);
    context.drawBitmap({0, 0}, bitmap);
    EXPECT_EQ(frame.visible(), bitmap.pixels());

    // Text drawn on the picture blends onto the picture, not onto the paper.
    context.setPenColor(blue);
    context.drawText({0, 0}, "ab");
    context.setFillColor(green);
    context.setPenColor(green);
    context.fillRect({0, 0, 5, 10});
    EXPECT_EQ(frame.pixel(2, 2), pixelOf(green));
    EXPECT_EQ(frame.pixel(7, 2), pixelOf(blue));
}

TEST(SoftwareContextTest, RecolouringWithTheTestFaceEqualsAFreshPaint)
{
    ScopedTestFace face(simpleFace());
    Framebuffer fresh(30, 12, paper);
    SoftwareContext freshContext(fresh, 96);
    freshContext.setPenColor(blue);
    freshContext.drawText({1, 1}, "Wa W");

    Framebuffer recoloured(30, 12, paper);
    SoftwareContext context(recoloured, 96);
    for (int i = 0; i < 10; ++i) {
        context.setPenColor(i % 2 == 0 ? red : green);
        context.drawText({1, 1}, "Wa W");
    }
    context.setPenColor(blue);
    context.drawText({1, 1}, "Wa W");
    EXPECT_EQ(recoloured.visible(), fresh.visible());
}
