#include "platform/render/Framebuffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

using platform::Bitmap;
using platform::Rect;
using platform::render::blendPixel;
using platform::render::Framebuffer;

namespace {

constexpr std::uint32_t paper = 0x102030;
constexpr std::uint32_t ink = 0xF0E0D0;

// The pixels of the framebuffer with `rgb` inside `area` and `paper` around.
std::vector<std::uint32_t> expectedWith(const Framebuffer& frame, const Rect& area, std::uint32_t rgb)
{
    std::vector<std::uint32_t> pixels;
    for (std::int32_t y = 0; y < frame.height(); ++y) {
        for (std::int32_t x = 0; x < frame.width(); ++x) {
            const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
            pixels.push_back(inside ? rgb : paper);
        }
    }
    return pixels;
}

} // namespace

TEST(FramebufferTest, BlendsChannelByChannelRoundingToNearest)
{
    struct Case {
        std::uint32_t background;
        std::uint32_t pen;
        std::uint8_t coverage;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{0x000000, 0xFFFFFF, 0, 0x000000}, Case{0x000000, 0xFFFFFF, 255, 0xFFFFFF},
                          Case{0x000000, 0xFFFFFF, 128, 0x808080}, Case{0xFF0000, 0x0000FF, 64, 0xBF0040},
                          Case{0x123456, 0x123456, 77, 0x123456}}) {
        EXPECT_EQ(blendPixel(c.background, c.pen, c.coverage), c.expected) << std::hex << c.background << " "
                                                                           << c.pen << " " << int{c.coverage};
    }
}

TEST(FramebufferTest, FillsBothPlanesInsideTheFramebufferOnly)
{
    struct Case {
        Rect area;
        Rect filled;
    };
    for (const Case& c : {Case{{1, 1, 3, 4}, {1, 1, 3, 4}}, Case{{-5, -5, 2, 2}, {0, 0, 2, 2}},
                          Case{{INT_MIN, 3, INT_MAX, INT_MAX}, {0, 3, 6, 5}}, Case{{4, 4, 2, 2}, {}}}) {
        Framebuffer frame(6, 5, paper);
        frame.fill(c.area, ink);
        const std::vector<std::uint32_t> expected = expectedWith(frame, c.filled, ink);
        EXPECT_EQ(frame.visible(), expected);
        EXPECT_EQ(frame.base(), expected);
    }
}

TEST(FramebufferTest, CopiesBitmapsUnchangedAndClipped)
{
    Bitmap bitmap(3, 2);
    for (std::int32_t y = 0; y < 2; ++y) {
        for (std::int32_t x = 0; x < 3; ++x) {
            bitmap.setPixel(x, y, 0x010000u * static_cast<std::uint32_t>(x + 1) + static_cast<std::uint32_t>(y));
        }
    }
    Framebuffer frame(4, 4, paper);
    frame.copy({-1, 3}, bitmap, {0, 0, 4, 4});
    // Only the top row's last two pixels land, at the bottom left.
    EXPECT_EQ(frame.pixel(0, 3), 0x020000u);
    EXPECT_EQ(frame.pixel(1, 3), 0x030000u);
    EXPECT_EQ(frame.basePixel(1, 3), 0x030000u);
    EXPECT_EQ(frame.pixel(2, 3), paper);
    EXPECT_EQ(frame.pixel(0, 2), paper);

    frame.copy({1, 0}, bitmap, {0, 0, 3, 1});
    EXPECT_EQ(frame.pixel(1, 0), 0x010000u);
    EXPECT_EQ(frame.pixel(2, 0), 0x020000u);
    EXPECT_EQ(frame.pixel(3, 0), paper);
    EXPECT_EQ(frame.pixel(1, 1), paper);

    frame.copy({INT_MAX, INT_MAX}, bitmap, frame.bounds());
    frame.copy({INT_MIN, INT_MIN}, bitmap, frame.bounds());
    EXPECT_EQ(frame.pixel(3, 3), paper);
}

TEST(FramebufferTest, TextBlendsOntoTheBasePlaneSoRedrawingDoesNotBuildUp)
{
    const std::uint8_t mask[] = {0, 100, 255};
    Framebuffer frame(3, 1, paper);
    for (int i = 0; i < 5; ++i) {
        frame.blend({0, 0, 3, 1}, mask, 3, ink, frame.bounds());
    }
    EXPECT_EQ(frame.pixel(0, 0), paper);
    EXPECT_EQ(frame.pixel(1, 0), blendPixel(paper, ink, 100));
    EXPECT_EQ(frame.pixel(2, 0), ink);
    EXPECT_EQ(frame.basePixel(2, 0), paper);

    frame.blend({0, 0, 3, 1}, mask, 3, 0x00FF00, frame.bounds());
    EXPECT_EQ(frame.pixel(1, 0), blendPixel(paper, 0x00FF00, 100));

    // A fill under the text covers it, on both planes.
    frame.fill({2, 0, 3, 1}, 0x777777);
    EXPECT_EQ(frame.pixel(2, 0), 0x777777u);
    EXPECT_EQ(frame.basePixel(2, 0), 0x777777u);
}

TEST(FramebufferTest, BlendsOnlyTheMaskPixelsInsideTheClip)
{
    const std::uint8_t mask[] = {255, 255, 255, 255, 255, 255};
    Framebuffer frame(4, 4, paper);
    // A 3 x 2 mask placed at (-1, 1), clipped to the two middle columns.
    frame.blend({-1, 1, 2, 3}, mask, 3, ink, {1, 0, 3, 4});
    EXPECT_EQ(frame.visible(), expectedWith(frame, {1, 1, 2, 3}, ink));
}

TEST(FramebufferTest, KeepsTheUnionOfWhatChangedUntilPresented)
{
    Framebuffer frame(10, 10);
    EXPECT_EQ(frame.dirty(), Rect{});
    frame.fill({1, 2, 3, 4}, ink);
    frame.fill({6, 1, 8, 3}, ink);
    EXPECT_EQ(frame.dirty(), (Rect{1, 1, 8, 4}));
    frame.markPresented();
    EXPECT_EQ(frame.dirty(), Rect{});
    frame.fill({-4, 8, 2, 20}, ink);
    EXPECT_EQ(frame.dirty(), (Rect{0, 8, 2, 10}));
    frame.markPresented();
    frame.fill({5, 5, 5, 9}, ink);
    EXPECT_EQ(frame.dirty(), Rect{});
    frame.markDirty({-1, -1, 20, 20});
    EXPECT_EQ(frame.dirty(), frame.bounds());
}

TEST(FramebufferTest, ReadsOutsideAndNegativeSizesAreSafe)
{
    Framebuffer empty(-3, 7);
    EXPECT_EQ(empty.size(), (platform::Size{0, 7}));
    EXPECT_TRUE(empty.visible().empty());
    empty.fill({0, 0, 5, 5}, ink);
    EXPECT_EQ(empty.dirty(), Rect{});

    Framebuffer frame(2, 2, paper);
    for (const auto& [x, y] : {std::pair{-1, 0}, std::pair{2, 0}, std::pair{0, 2}, std::pair{INT_MIN, INT_MAX}}) {
        EXPECT_EQ(frame.pixel(x, y), 0u);
        EXPECT_EQ(frame.basePixel(x, y), 0u);
    }
}
