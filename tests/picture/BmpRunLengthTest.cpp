#include "picture/BmpFileBuilder.h"
#include "picture/PixelRows.h"

#include "platform/picture/BmpDecoder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace bmp_test;
using platform::picture::decodeBmp;

// Index 0 is grey so that pixels the stream skips stand out from black, the
// colour of indices past the palette's end.
const std::vector<std::uint32_t> palette = {grey, red, green, blue, white};

struct RunLengthCase {
    const char* name;
    std::uint32_t compression;
    std::int32_t width;
    std::int32_t height;
    Bytes stream;
    PixelRows expected; // from the top
};

void PrintTo(const RunLengthCase& c, std::ostream* out)
{
    *out << c.name;
}

class RunLengthDecodes : public testing::TestWithParam<RunLengthCase> {};

TEST_P(RunLengthDecodes, ToTheExpectedPixels)
{
    const RunLengthCase& c = GetParam();
    const Bytes file = writeBmp({.width = c.width, .height = c.height,
                                 .bitCount = static_cast<std::uint16_t>(c.compression == rle8 ? 8 : 4),
                                 .compression = c.compression, .palette = palette, .pixels = c.stream});
    EXPECT_EQ(describe(decodeBmp(file, "runs.bmp")), describe(c.expected));
}

const std::uint32_t K = grey; // skipped
const std::uint32_t R = red;
const std::uint32_t G = green;
const std::uint32_t B = blue;
const std::uint32_t W = white;

const RunLengthCase cases[] = {
    {"EightBitRunsFillRowsFromTheBottom", rle8, 4, 2,
     {4, 1, 0, 0, 2, 2, 2, 3, 0, 1},
     {{G, G, B, B}, {R, R, R, R}}},
    {"EightBitLiteralOfOddLengthIsPadded", rle8, 4, 2,
     {0, 3, 1, 2, 3, 0, 1, 4, 0, 0, 0, 4, 4, 3, 2, 1, 0, 1},
     {{W, B, G, R}, {R, G, B, W}}},
    {"EndOfRowLeavesTheRestOfTheRow", rle8, 4, 2,
     {2, 1, 0, 0, 1, 2, 0, 1},
     {{G, K, K, K}, {R, R, K, K}}},
    {"MoveSkipsRightAndUp", rle8, 4, 3,
     {1, 1, 0, 2, 2, 1, 1, 3, 0, 1},
     {{K, K, K, K}, {K, K, K, B}, {R, K, K, K}}},
    {"MoveToTheEndOfARowThenEndOfRow", rle8, 3, 2,
     {1, 1, 0, 2, 2, 0, 0, 0, 3, 2, 0, 1},
     {{G, G, G}, {R, K, K}}},
    {"EndOfBitmapLeavesTheRemainingRows", rle8, 4, 2,
     {4, 2, 0, 1},
     {{K, K, K, K}, {G, G, G, G}}},
    {"EndMarkMayBeMissingOnceEveryRowIsEnded", rle8, 2, 2,
     {2, 1, 0, 0, 2, 2, 0, 0},
     {{G, G}, {R, R}}},
    {"EndOfRowAfterTheLastRowIsHarmless", rle8, 2, 1,
     {2, 3, 0, 0, 0, 0, 0, 1},
     {{B, B}}},
    {"EightBitIndexPastThePaletteIsBlack", rle8, 3, 1,
     {1, 9, 1, 200, 0, 1},
     {{black, black, K}}},
    {"FourBitRunAlternatesItsNibbles", rle4, 5, 1,
     {5, 0x12, 0, 1},
     {{R, G, R, G, R}}},
    {"FourBitLiteralsArePaddedToWholeWords", rle4, 5, 2,
     // Five indices take three bytes and a pad; three take two bytes.
     {0, 5, 0x12, 0x34, 0x10, 0, 0, 0, 0, 3, 0x43, 0x20, 2, 0x11, 0, 1},
     {{W, B, G, R, R}, {R, G, B, W, R}}},
    {"FourBitMoveAndEndOfBitmap", rle4, 4, 2,
     {0, 2, 1, 1, 3, 0x33, 0, 1},
     {{K, B, B, B}, {K, K, K, K}}},
    {"FourBitIndexPastThePaletteIsBlack", rle4, 2, 1,
     {2, 0xf4, 0, 1},
     {{black, W}}},
};
INSTANTIATE_TEST_SUITE_P(Streams, RunLengthDecodes, testing::ValuesIn(cases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(RunLength, SkippedPixelsShowBlackWhenThePaletteIsEmpty)
{
    // The pixel data offset points at the palette's start, leaving no colours.
    const Bytes file = writeBmp({.width = 2, .bitCount = 8, .compression = rle8, .coloursUsed = 0,
                                 .pixels = {1, 0, 0, 1}, .pixelOffset = 54});
    EXPECT_EQ(describe(decodeBmp(file, "empty-palette.bmp")), describe(PixelRows{{black, black}}));
}

} // namespace
