#include "platform/render/FontSize.h"

#include <gtest/gtest.h>

#include <climits>

using platform::render::FaceDesign;
using platform::render::FaceSize;
using platform::render::sizeFace;

namespace {

// DejaVu Sans: 2048 units an em, Windows ascent 1901 and descent 483.
constexpr FaceDesign dejaVu{2048, 1901, 483};

} // namespace

TEST(FontSizeTest, SizesFacesByTheWindowsHeightRule)
{
    struct Case {
        const char* what;
        std::int32_t requested;
        std::int32_t dpi;
        FaceDesign design;
        FaceSize expected;
    };
    const Case cases[] = {
        // A character height is the em: 13 * 1901 / 2048 = 12.07, 13 * 483 / 2048 = 3.07.
        {"10 pt at 96 dpi", -13, 96, dejaVu, {13, 12, 3}},
        // 16 * 1901 / 2048 = 14.85 rounds up, 16 * 483 / 2048 = 3.77 too.
        {"12 pt at 96 dpi", -16, 96, dejaVu, {16, 15, 4}},
        // A cell height is ascent + descent exactly: em 20 * 2048 / 2384 = 17.18,
        // ascent 20 * 1901 / 2384 = 15.95.
        {"cell of 20", 20, 96, dejaVu, {17, 16, 4}},
        // No height: 10 points at the resolution given.
        {"default at 96 dpi", 0, 96, dejaVu, {13, 12, 3}},
        {"default at 120 dpi", 0, 120, dejaVu, {17, 16, 4}},
        // Halves round up: 10 * 1024 / 2048 = 5.5.
        {"halves", -11, 96, {2048, 1024, 1024}, {11, 6, 6}},
        // Held within 1..1000 pixels.
        {"huge character height", INT_MIN, 96, dejaVu, {1000, 928, 236}},
        {"huge cell", INT_MAX, 96, dejaVu, {859, 797, 203}},
        {"no resolution", 0, 0, dejaVu, {1, 1, 0}},
        // A face without usable metrics still gets a size.
        {"empty design", -13, 96, {0, 0, 0}, {13, 0, 0}},
        {"empty design cell", 13, 96, {0, 0, 0}, {13, 0, 13}},
        {"negative descent", -13, 96, {1000, 800, -200}, {13, 10, 0}},
    };
    for (const Case& c : cases) {
        const FaceSize size = sizeFace(c.requested, c.dpi, c.design);
        EXPECT_EQ(size.emPixels, c.expected.emPixels) << c.what;
        EXPECT_EQ(size.ascent, c.expected.ascent) << c.what;
        EXPECT_EQ(size.descent, c.expected.descent) << c.what;
    }
}
