#include "picture/BmpFileBuilder.h"
#include "picture/PixelRows.h"

#include "platform/PlatformError.h"
#include "platform/picture/BmpDecoder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using namespace bmp_test;
using platform::picture::decodeBmp;

// A palette of `size` entries that starts with `first` and goes on in grey,
// for pictures that use only a few of the colours their depth can reach.
std::vector<std::uint32_t> paletteOf(std::size_t size, std::vector<std::uint32_t> first)
{
    first.resize(size, grey);
    return first;
}

struct DecodeCase {
    const char* name;
    BmpContent content;
    PixelRows expected;
};

void PrintTo(const DecodeCase& c, std::ostream* out)
{
    *out << c.name;
}

class BmpDecodes : public testing::TestWithParam<DecodeCase> {};

TEST_P(BmpDecodes, ToTheExpectedPixels)
{
    const DecodeCase& c = GetParam();
    const platform::Bitmap bitmap = decodeBmp(writeBmp(c.content), "case.bmp");
    EXPECT_EQ(describe(bitmap), describe(c.expected));
}

// Each depth and pixel layout, with rows written by hand as they lie in the
// file: from the bottom up unless the height is negative.
const DecodeCase depthCases[] = {
    {"OneBitIndicesCrossByteBoundaries",
     {.width = 10, .height = 2, .bitCount = 1, .palette = {blue, yellow},
      .pixels = paddedRows({{0xaa, 0x80}, {0xc3, 0xc0}})},
     {{yellow, yellow, blue, blue, blue, blue, yellow, yellow, yellow, yellow},
      {yellow, blue, yellow, blue, yellow, blue, yellow, blue, yellow, blue}}},
    {"TwoBitIndices",
     {.width = 5, .bitCount = 2, .palette = {black, red, green, blue}, .pixels = paddedRows({{0x1b, 0x80}})},
     {{black, red, green, blue, green}}},
    {"FourBitIndicesHighNibbleFirstWithOddWidth",
     {.width = 3, .height = 2, .bitCount = 4, .palette = {red, green, blue},
      .pixels = paddedRows({{0x01, 0x20}, {0x22, 0x10}})},
     {{blue, blue, green}, {red, green, blue}}},
    {"EightBitIndexPastThePaletteIsBlack",
     {.width = 3, .bitCount = 8, .palette = {red, green}, .pixels = paddedRows({{1, 0, 200}})},
     {{green, red, black}}},
    {"SixteenBitsDefaultToFiveFiveFive",
     {.width = 3, .bitCount = 16, .pixels = paddedRows({{0x00, 0x7c, 0x1f, 0x00, 0x10, 0x42}})},
     {{red, blue, 0x848484}}},
    {"SixteenBitFieldsFiveSixFiveAfterTheHeader",
     {.width = 4, .bitCount = 16, .compression = bitFields, .masks = {0xf800, 0x07e0, 0x001f},
      .pixels = paddedRows({{0x00, 0xf8, 0xe0, 0x07, 0x1f, 0x00, 0xff, 0xff}})},
     {{red, green, blue, white}}},
    {"TwentyFourBitsAreBlueGreenRedWithPaddedRows",
     {.width = 2, .height = 2, .bitCount = 24,
      .pixels = paddedRows({{0x00, 0x00, 0xff, 0x00, 0xff, 0x00}, {0xff, 0x00, 0x00, 0xff, 0xff, 0xff}})},
     {{blue, white}, {red, green}}},
    {"NegativeHeightStoresRowsFromTheTop",
     {.width = 2, .height = -2, .bitCount = 24,
      .pixels = paddedRows({{0x00, 0x00, 0xff, 0x00, 0xff, 0x00}, {0xff, 0x00, 0x00, 0xff, 0xff, 0xff}})},
     {{red, green}, {blue, white}}},
    {"ThirtyTwoBitsIgnoreTheTopByte",
     {.width = 2, .bitCount = 32, .pixels = paddedRows({{0x10, 0x20, 0x30, 0xff, 0xff, 0x00, 0x00, 0x80}})},
     {{0x302010, blue}}},
    {"ThirtyTwoBitFieldsInVersion4Header",
     {.header = Header::V4, .width = 1, .bitCount = 32, .compression = bitFields,
      .masks = {0x000000ff, 0x0000ff00, 0x00ff0000}, .pixels = paddedRows({{0x11, 0x22, 0x33, 0x00}})},
     {{0x112233}}},
    {"TenBitChannelsInVersion5HeaderScaleDownWithRounding",
     {.header = Header::V5, .width = 2, .bitCount = 32, .compression = bitFields,
      .masks = {0x3ff00000, 0x000ffc00, 0x000003ff},
      // Red 1023, green 512, blue 0; then red 3, green 0, blue 1022.
      .pixels = paddedRows({{0x00, 0x00, 0xf8, 0x3f, 0xfe, 0x03, 0x30, 0x00}})},
     {{0xff8000, 0x0100ff}}},
    {"FourBitChannelsInVersion3HeaderScaleUp",
     {.header = Header::V3, .width = 2, .bitCount = 16, .compression = bitFields,
      .masks = {0x0f00, 0x00f0, 0x000f}, .pixels = paddedRows({{0x80, 0x0f, 0x01, 0x00}})},
     {{0xff8800, 0x000011}}},
    {"OneBitAndTenBitChannelsInVersion2Header",
     {.header = Header::V2, .width = 2, .bitCount = 16, .compression = bitFields,
      .masks = {0x8000, 0x7fe0, 0x001f}, .pixels = paddedRows({{0x00, 0x80, 0xff, 0x7f}})},
     {{red, 0x00ffff}}},
    {"AlphaBitFieldsGiveFourMasksAfterTheHeader",
     {.width = 1, .bitCount = 32, .compression = alphaBitFields,
      .masks = {0x0000ff00, 0x00ff0000, 0xff000000, 0x000000ff}, .pixels = paddedRows({{0x7f, 0x12, 0x34, 0x56}})},
     {{0x123456}}},
    {"MasksInHeaderAreIgnoredWithoutBitFields",
     {.header = Header::V4, .width = 1, .bitCount = 16, .compression = rgb, .masks = {0xf800, 0x07e0, 0x001f},
      .pixels = paddedRows({{0x00, 0x7c}})},
     {{red}}},
    {"Version5TwentyFourBits",
     {.header = Header::V5, .width = 1, .bitCount = 24, .pixels = paddedRows({{0x01, 0x02, 0x03}})},
     {{0x030201}}},
};
INSTANTIATE_TEST_SUITE_P(Depths, BmpDecodes, testing::ValuesIn(depthCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The older headers: OS/2 1.x with 3-byte palette entries, and OS/2 2.x
// whose colour count field may be missing altogether.
const DecodeCase os2Cases[] = {
    {"CoreHeaderOneBit",
     {.header = Header::Core, .width = 3, .height = 2, .bitCount = 1, .palette = {red, blue},
      .pixels = paddedRows({{0x40}, {0xa0}})},
     {{blue, red, blue}, {red, blue, red}}},
    {"CoreHeaderTwentyFourBits",
     {.header = Header::Core, .width = 1, .bitCount = 24, .pixels = paddedRows({{0x01, 0x02, 0x03}})},
     {{0x030201}}},
    {"Os2FullHeaderFourBits",
     {.header = Header::Os2, .width = 2, .bitCount = 4, .palette = paletteOf(16, {green, white}),
      .pixels = paddedRows({{0x10}})},
     {{white, green}}},
    {"Os2ShortHeaderReadsAllTwoHundredFiftySixColours",
     {.header = Header::Os2Short, .width = 2, .bitCount = 8, .palette = paletteOf(256, {red}),
      .pixels = paddedRows({{0, 255}})},
     {{red, grey}}},
};
INSTANTIATE_TEST_SUITE_P(Os2, BmpDecodes, testing::ValuesIn(os2Cases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// How the colour count and the pixel data offset place the palette and the
// pixels, including offsets that cannot be right.
const DecodeCase placementCases[] = {
    {"ZeroColourCountMeansEveryIndex",
     {.width = 2, .bitCount = 8, .palette = paletteOf(256, {red}), .coloursUsed = 0,
      .pixels = paddedRows({{255, 0}})},
     {{grey, red}}},
    {"ColourCountAboveTheDepthUsesTheFirstEntries",
     {.width = 2, .bitCount = 1, .palette = paletteOf(5, {red, green}), .pixels = paddedRows({{0x40}})},
     {{red, green}}},
    {"PaletteOfDeepPictureIsSkipped",
     {.width = 1, .bitCount = 24, .palette = {red, green}, .pixels = paddedRows({{0xff, 0, 0}}), .pixelOffset = 0},
     {{blue}}},
    {"ZeroOffsetMeansAfterThePalette",
     {.width = 2, .bitCount = 8, .palette = {red, green}, .pixels = paddedRows({{1, 0}}), .pixelOffset = 0},
     {{green, red}}},
    {"OffsetIntoTheHeaderMeansAfterThePalette",
     {.width = 2, .bitCount = 8, .palette = {red, green}, .pixels = paddedRows({{1, 0}}), .pixelOffset = 20},
     {{green, red}}},
    {"OffsetBeforeTheMasksMeansAfterThem",
     {.width = 1, .bitCount = 16, .compression = bitFields, .masks = {0xf800, 0x07e0, 0x001f},
      .pixels = paddedRows({{0x1f, 0x00}}), .pixelOffset = 54},
     {{blue}}},
    {"OffsetPastAGapIsFollowed",
     {.width = 2, .bitCount = 8, .palette = {red, green}, .pixels = {0xee, 0xee, 0xee, 0xee, 1, 0, 0, 0},
      .pixelOffset = 14 + 40 + 8 + 4},
     {{green, red}}},
    {"OffsetInsideThePaletteShortensIt",
     {.header = Header::Core, .width = 4, .bitCount = 8, .palette = {red, green, blue},
      .pixels = paddedRows({{0, 1, 2, 3}})},
     {{red, green, blue, black}}},
    {"LastRowMayLackItsPadding",
     {.width = 1, .height = 2, .bitCount = 24, .pixels = {0xff, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff}},
     {{red}, {blue}}},
};
INSTANTIATE_TEST_SUITE_P(Placement, BmpDecodes, testing::ValuesIn(placementCases),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(BmpDecoder, KeepsTheDimensionsOfAWideAndAFlatPicture)
{
    const platform::Bitmap bitmap = decodeBmp(
        writeBmp({.width = 33, .height = -1, .bitCount = 1, .palette = {black, white},
                  .pixels = paddedRows({{0xff, 0xff, 0xff, 0xff, 0x80}})}),
        "wide.bmp");
    ASSERT_EQ(bitmap.width(), 33);
    ASSERT_EQ(bitmap.height(), 1);
    for (std::int32_t x = 0; x < 33; ++x)
        EXPECT_EQ(bitmap.pixel(x, 0), white) << "x " << x;
}

TEST(BmpDecoder, DecodesAPictureAtTheSideLimit)
{
    const std::int32_t side = static_cast<std::int32_t>(platform::picture::maxBmpSide);
    bmp_test::Bytes row(static_cast<std::size_t>(side) / 8, 0x55);
    const platform::Bitmap bitmap = decodeBmp(
        writeBmp({.width = side, .bitCount = 1, .palette = {red, green}, .pixels = paddedRows({row})}), "long.bmp");
    ASSERT_EQ(bitmap.width(), side);
    EXPECT_EQ(bitmap.pixel(0, 0), red);
    EXPECT_EQ(bitmap.pixel(side - 1, 0), green);
}

} // namespace
