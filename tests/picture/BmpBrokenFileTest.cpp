#include "picture/BmpFileBuilder.h"
#include "picture/PixelRows.h"

#include "platform/PlatformError.h"
#include "platform/picture/BmpDecoder.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace {

using namespace bmp_test;
using platform::picture::decodeBmp;

Bytes patched32(Bytes file, std::size_t offset, std::uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i)
        file.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return file;
}

Bytes cut(const Bytes& file, std::size_t size)
{
    return Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size));
}

// A sound 2 x 2 picture of 24 bits per pixel, 70 bytes long, that the
// cases below break in one place each.
Bytes sound24()
{
    return writeBmp({.width = 2, .height = 2, .bitCount = 24,
                     .pixels = paddedRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})});
}

Bytes withSize(std::int32_t width, std::int32_t height)
{
    return writeBmp({.width = width, .height = height, .bitCount = 24, .pixels = Bytes(16, 0)});
}

Bytes withDepth(std::uint16_t bitCount, std::uint32_t compression = rgb, Header header = Header::Info)
{
    return writeBmp({.header = header, .width = 2, .height = 2, .bitCount = bitCount, .compression = compression,
                     .pixels = Bytes(64, 0)});
}

Bytes runLength8(std::int32_t width, std::int32_t height, Bytes stream)
{
    return writeBmp({.width = width, .height = height, .bitCount = 8, .compression = rle8,
                     .palette = {red, green}, .pixels = std::move(stream)});
}

Bytes runLength4(std::int32_t width, std::int32_t height, Bytes stream)
{
    return writeBmp({.width = width, .height = height, .bitCount = 4, .compression = rle4,
                     .palette = {red, green}, .pixels = std::move(stream)});
}

// A 3 x 2 picture of `bitCount` bits per pixel whose last row lacks one of
// the bytes holding its pixels.
Bytes lastRowShort(std::uint16_t bitCount, std::int32_t height = 2)
{
    const std::size_t stride = (3u * bitCount + 31) / 32 * 4;
    const std::size_t lastRowBytes = (3u * bitCount + 7) / 8;
    const std::vector<std::uint32_t> palette =
        bitCount <= 8 ? std::vector<std::uint32_t>{red, green} : std::vector<std::uint32_t>{};
    return writeBmp({.width = 3, .height = height, .bitCount = bitCount, .palette = palette,
                     .pixels = Bytes(stride + lastRowBytes - 1, 0x11)});
}

struct BrokenCase {
    const char* name;
    Bytes file;
    std::string reason; // a part of the error text after the file's name
};

void PrintTo(const BrokenCase& c, std::ostream* out)
{
    *out << c.name;
}

std::vector<BrokenCase> brokenFiles()
{
    constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
    const Bytes bitFields16 = writeBmp({.width = 1, .bitCount = 16, .compression = bitFields,
                                        .masks = {0xf800, 0x07e0, 0x001f}, .pixels = Bytes(4, 0)});
    const Bytes palette8 = writeBmp({.width = 1, .bitCount = 8, .palette = {red, green, blue, white},
                                     .pixels = Bytes(4, 0)});
    const Bytes corePalette8 = writeBmp({.header = Header::Core, .width = 1, .bitCount = 8,
                                         .palette = std::vector<std::uint32_t>(256, red), .pixels = Bytes(4, 0)});
    return {
        // The file and bitmap headers.
        {"Empty", {}, "the file is empty"},
        {"OnlyOneByte", {'B'}, "the file is truncated in the file header"},
        {"NotABitmap", {'G', 'I', 'F', '8', '9', 'a', 0, 0}, "it is not a Windows bitmap"},
        {"CutInFileHeader", cut(sound24(), 10), "the file is truncated in the file header"},
        {"CutBeforeHeaderSize", cut(sound24(), 16), "the file is truncated in the bitmap header"},
        {"CutInBitmapHeader", cut(sound24(), 40), "the file is truncated in the bitmap header"},
        {"CutInVersion5Header", cut(withDepth(24, rgb, Header::V5), 14 + 100),
         "the file is truncated in the bitmap header"},
        {"HeaderSizeZero", patched32(sound24(), 14, 0), "unknown bitmap header size 0"},
        {"HeaderSizeEight", patched32(sound24(), 14, 8), "unknown bitmap header size 8"},
        {"HeaderSizeBetweenKinds", patched32(sound24(), 14, 100), "unknown bitmap header size 100"},
        {"HeaderSizeHuge", patched32(sound24(), 14, 0xffffffff), "unknown bitmap header size 4294967295"},

        // Dimensions.
        {"ZeroWidth", withSize(0, 2), "invalid width 0"},
        {"NegativeWidth", withSize(-3, 2), "invalid width -3"},
        {"ZeroHeight", withSize(2, 0), "invalid height 0"},
        {"HundredThousandSquare", withSize(100000, 100000),
         "the picture is 100000 x 100000 pixels, more than the limit"},
        {"LargestWidth", withSize(int32Max, 1), "the picture is 2147483647 x 1 pixels"},
        {"MostNegativeHeight", withSize(1, int32Min), "the picture is 1 x 2147483648 pixels"},
        {"OnePastTheSideLimit", withSize(16385, 1), "the picture is 16385 x 1 pixels"},
        {"PastThePixelLimit", withSize(8193, 8193), "the picture is 8193 x 8193 pixels"},
        {"LargestCoreHeaderSize",
         writeBmp({.header = Header::Core, .width = 0xffff, .height = 0xffff, .bitCount = 24}),
         "the picture is 65535 x 65535 pixels"},

        // Depths and compression methods.
        {"BitCountZero", withDepth(0), "unsupported number of bits per pixel: 0"},
        {"BitCountThree", withDepth(3), "unsupported number of bits per pixel: 3"},
        {"BitCountSeven", withDepth(7), "unsupported number of bits per pixel: 7"},
        {"BitCountFortyEight", withDepth(48), "unsupported number of bits per pixel: 48"},
        {"BitCountSixtyFour", withDepth(64), "unsupported number of bits per pixel: 64"},
        {"CompressionSeven", withDepth(24, 7), "unknown compression method 7"},
        {"CompressionCmyk", withDepth(24, 11), "unknown compression method 11"},
        {"CompressionHuge", withDepth(24, 0xffffffff), "unknown compression method 4294967295"},
        {"EmbeddedJpeg", withDepth(0, 4), "bitmaps holding a JPEG picture are not supported"},
        {"EmbeddedPng", withDepth(0, 5, Header::V5), "bitmaps holding a PNG picture are not supported"},
        {"EightBitRunsOfFourBitPixels", withDepth(4, rle8),
         "8-bit run-length compression needs 8 bits per pixel, not 4"},
        {"FourBitRunsOfEightBitPixels", withDepth(8, rle4),
         "4-bit run-length compression needs 4 bits per pixel, not 8"},
        {"BitFieldsOfTwentyFourBits", withDepth(24, bitFields),
         "colour bit fields need 16 or 32 bits per pixel, not 24"},
        {"BitFieldsOfEightBits", withDepth(8, alphaBitFields), "colour bit fields need 16 or 32 bits per pixel, not 8"},
        {"Os2Huffman", withDepth(1, 3, Header::Os2), "OS/2 Huffman compression is not supported"},
        {"Os2RunLength24", withDepth(24, 4, Header::Os2), "OS/2 24-bit run-length compression is not supported"},
        {"Os2HuffmanInWindows3Header", withDepth(1, 3), "OS/2 Huffman compression is not supported"},
        {"Os2RunLength24InWindows3Header", withDepth(24, 4), "OS/2 24-bit run-length compression is not supported"},
        {"RunLengthTopDown", runLength8(2, -2, {0, 1}), "a run-length compressed bitmap cannot be stored top-down"},

        // Colour masks and palette.
        {"CutInMasks", cut(bitFields16, 14 + 40 + 8), "the file is truncated in the colour masks"},
        {"AlphaMaskMissing",
         writeBmp({.width = 1, .bitCount = 32, .compression = alphaBitFields, .masks = {0xff0000, 0xff00, 0xff}}),
         "the file is truncated in the colour masks"},
        {"MaskOfTwoRuns",
         writeBmp({.width = 1, .bitCount = 16, .compression = bitFields, .masks = {0x0f0f, 0x00f0, 0xf000},
                   .pixels = Bytes(4, 0)}),
         "the colour mask 0x00000F0F is not one run of bits"},
        {"CutInPalette", cut(palette8, 14 + 40 + 6), "the file is truncated in the palette"},
        {"CutInCorePalette", cut(corePalette8, 14 + 12 + 100), "the file is truncated in the palette"},
        {"HugeColourCountWithoutOffset",
         writeBmp({.width = 1, .bitCount = 8, .palette = {red}, .coloursUsed = 0xffffffff, .pixels = Bytes(4, 0),
                   .pixelOffset = 0}),
         "the file is truncated in the palette"},
        {"HugeColourCountOfDeepPictureWithoutOffset",
         writeBmp({.width = 1, .bitCount = 24, .coloursUsed = 0xffffffff, .pixels = Bytes(4, 0), .pixelOffset = 0}),
         "the file is truncated in the palette"},

        // Pixel data.
        {"OffsetPastTheEnd", patched32(sound24(), 10, 71),
         "the pixel data offset 71 lies past the end of the file (70 bytes)"},
        {"OffsetHuge", patched32(sound24(), 10, 0xffffffff), "the pixel data offset 4294967295 lies past the end"},
        {"OffsetAtTheEnd", patched32(sound24(), 10, 70), "the file is truncated in the pixel data"},
        {"OffsetLeavingTooLittle", patched32(sound24(), 10, 60), "the file is truncated in the pixel data"},
        {"OneBitLastRowShort", lastRowShort(1), "the file is truncated in the pixel data"},
        {"FourBitLastRowShort", lastRowShort(4), "the file is truncated in the pixel data"},
        {"EightBitLastRowShort", lastRowShort(8), "the file is truncated in the pixel data"},
        {"SixteenBitLastRowShort", lastRowShort(16), "the file is truncated in the pixel data"},
        {"TwentyFourBitLastRowShort", lastRowShort(24), "the file is truncated in the pixel data"},
        {"ThirtyTwoBitLastRowShort", lastRowShort(32), "the file is truncated in the pixel data"},
        {"TopDownLastRowShort", lastRowShort(24, -2), "the file is truncated in the pixel data"},
        {"WholeRowMissing", cut(sound24(), 70 - 8), "the file is truncated in the pixel data"},

        // Run-length streams.
        {"RunsCutInAnInstruction", runLength8(4, 1, {4, 1, 0}), "truncated in the compressed pixel data"},
        {"RunsCutInALiteral", runLength8(8, 1, {0, 5, 1, 1}), "truncated in the compressed pixel data"},
        {"RunsCutInAFourBitLiteral", runLength4(8, 1, {0, 5, 0x11}), "truncated in the compressed pixel data"},
        {"RunsCutInAMove", runLength8(4, 2, {0, 2, 1}), "truncated in the compressed pixel data"},
        {"RunsEndBeforeTheLastRow", runLength8(4, 2, {4, 1, 0, 0}), "truncated in the compressed pixel data"},
        {"RunsMissing", runLength8(4, 2, {}), "truncated in the compressed pixel data"},
        {"RunPastTheRow", runLength8(4, 1, {5, 1, 0, 1}), "a run of 5 pixels goes past the end of a row"},
        {"SecondRunPastTheRow", runLength8(4, 1, {3, 1, 2, 1, 0, 1}), "a run of 2 pixels goes past the end of a row"},
        {"LiteralPastTheRow", runLength8(4, 1, {0, 5, 1, 1, 1, 1, 1, 0, 0, 1}),
         "a run of 5 pixels goes past the end of a row"},
        {"FourBitRunPastTheRow", runLength4(3, 1, {4, 0x11, 0, 1}), "a run of 4 pixels goes past the end of a row"},
        {"MovePastTheRightEdge", runLength8(4, 2, {0, 2, 5, 0, 0, 1}), "a move in the compressed pixel data leaves"},
        {"MovePastTheTop", runLength8(4, 2, {0, 2, 0, 3, 0, 1}), "a move in the compressed pixel data leaves"},
        {"RunAfterTheLastRow", runLength8(2, 1, {2, 1, 0, 0, 2, 1, 0, 1}),
         "the compressed pixel data goes on past the last row"},
        {"MoveToTheTopThenRun", runLength8(2, 2, {0, 2, 0, 2, 1, 1, 0, 1}),
         "the compressed pixel data goes on past the last row"},
    };
}

class BrokenFile : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenFile, IsRefusedWithATextNamingTheFile)
{
    const BrokenCase& c = GetParam();
    try {
        decodeBmp(c.file, "broken.bmp");
        FAIL() << "decoded without an error";
    } catch (const platform::PlatformError& error) {
        const std::string text = error.what();
        EXPECT_EQ(text.rfind("Cannot load picture broken.bmp: ", 0), 0u) << text;
        EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, BrokenFile, testing::ValuesIn(brokenFiles()),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// One sound file of each kind, for the sweeps below.
std::vector<std::pair<std::string, Bytes>> soundFiles()
{
    return {
        {"core one bit", writeBmp({.header = Header::Core, .width = 3, .height = 2, .bitCount = 1,
                                   .palette = {red, blue}, .pixels = paddedRows({{0x40}, {0xa0}})})},
        {"OS/2 four bits", writeBmp({.header = Header::Os2, .width = 3, .bitCount = 4,
                                     .palette = std::vector<std::uint32_t>(16, green),
                                     .pixels = paddedRows({{0x12, 0x30}})})},
        {"eight-bit runs",
         runLength8(4, 3, {0, 3, 1, 0, 1, 0, 1, 1, 0, 0, 0, 2, 1, 0, 2, 1, 0, 0, 4, 0, 0, 1})},
        {"four-bit runs", runLength4(5, 2, {0, 5, 0x10, 0x01, 0x10, 0, 0, 0, 0, 3, 0x11, 0x10, 2, 0x01, 0, 1})},
        {"sixteen-bit fields", writeBmp({.header = Header::V5, .width = 3, .height = 2, .bitCount = 16,
                                         .compression = bitFields, .masks = {0xf800, 0x07e0, 0x001f},
                                         .pixels = paddedRows({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}})})},
        {"top-down 24 bits", writeBmp({.width = 3, .height = -2, .bitCount = 24,
                                       .pixels = paddedRows({Bytes(9, 0x40), Bytes(9, 0x80)})})},
        {"32 bits", writeBmp({.width = 2, .height = 2, .bitCount = 32, .pixels = Bytes(16, 0x7f)})},
    };
}

// Whatever a file's end is cut off at, decoding either refuses the file or,
// when only bytes without pixels were lost (the last row's padding, the
// run-length end mark), gives the same picture as the whole file.
TEST(BrokenFile, CutAtAnyLengthIsRefusedOrLosesNothing)
{
    for (const auto& [kind, file] : soundFiles()) {
        const std::vector<std::string> whole = describe(decodeBmp(file, "whole.bmp"));
        for (std::size_t size = 0; size < file.size(); ++size) {
            SCOPED_TRACE(kind + " cut to " + std::to_string(size) + " bytes");
            try {
                EXPECT_EQ(describe(decodeBmp(cut(file, size), "cut.bmp")), whole);
            } catch (const platform::PlatformError& error) {
                EXPECT_EQ(std::string(error.what()).rfind("Cannot load picture cut.bmp: ", 0), 0u) << error.what();
            }
        }
    }
}

// Any one byte set to a telling value must be decoded or refused, never read
// out of bounds (as the sanitizer build checks) nor raise anything else.
TEST(BrokenFile, AnyByteChangedIsDecodedOrRefused)
{
    for (const auto& [kind, file] : soundFiles()) {
        for (std::size_t at = 0; at < file.size(); ++at) {
            for (const std::uint8_t value : {0x00, 0x01, 0x02, 0x7f, 0x80, 0xfe, 0xff}) {
                Bytes changed = file;
                changed[at] = value;
                SCOPED_TRACE(kind + ": byte " + std::to_string(at) + " set to " + std::to_string(value));
                try {
                    const platform::Bitmap bitmap = decodeBmp(changed, "changed.bmp");
                    EXPECT_GT(bitmap.width(), 0);
                    EXPECT_GT(bitmap.height(), 0);
                } catch (const platform::PlatformError& error) {
                    EXPECT_EQ(std::string(error.what()).rfind("Cannot load picture changed.bmp: ", 0), 0u)
                        << error.what();
                }
            }
        }
    }
}

} // namespace
