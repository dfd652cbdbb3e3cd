#include "platform/picture/BmpUncompressed.h"

#include "platform/picture/BmpChannelMask.h"

#include <span>

namespace platform::picture {

namespace {

using Row = std::span<const std::uint8_t>;
using PixelsOut = std::span<std::uint32_t>;

std::uint64_t rowStride(const BmpLayout& layout)
{
    return (static_cast<std::uint64_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
}

std::uint64_t bytesUsedByRow(const BmpLayout& layout)
{
    return (static_cast<std::uint64_t>(layout.width) * layout.bitsPerPixel + 7) / 8;
}

// Every row must be there, but the last row's padding may be missing: some
// writers leave it out, and it holds no pixels.
std::span<const std::uint8_t> pixelData(const BmpBytes& file, const BmpLayout& layout)
{
    const std::uint64_t needed =
        rowStride(layout) * static_cast<std::uint64_t>(layout.height - 1) + bytesUsedByRow(layout);
    file.require(layout.pixelOffset, needed, "the pixel data");
    return file.slice(layout.pixelOffset, needed);
}

// Indices are packed from the most significant bits of each byte.
void decodeIndexedRow(Row row, unsigned bits, const BmpPalette& palette, PixelsOut out)
{
    const std::size_t perByte = 8 / bits;
    const unsigned indexMask = (1u << bits) - 1;
    for (std::size_t x = 0; x < out.size(); ++x) {
        const unsigned shift = 8 - bits * static_cast<unsigned>(x % perByte + 1);
        out[x] = palette.colour((row[x / perByte] >> shift) & indexMask);
    }
}

void decodeMaskedRow(Row row, std::size_t bytesPerPixel, const BmpMaskedColour& masked, PixelsOut out)
{
    for (std::size_t x = 0; x < out.size(); ++x) {
        const std::uint8_t* p = &row[x * bytesPerPixel];
        std::uint32_t value = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8;
        if (bytesPerPixel == 4)
            value |= static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        out[x] = masked.colour(value);
    }
}

void decodeBlueGreenRedRow(Row row, PixelsOut out)
{
    for (std::size_t x = 0; x < out.size(); ++x) {
        const std::uint8_t* p = &row[x * 3];
        out[x] = static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[0];
    }
}

} // namespace

Bitmap decodeUncompressedBmp(const BmpBytes& file, const BmpLayout& layout, const BmpPalette& palette)
{
    const auto data = pixelData(file, layout);
    const BmpMaskedColour masked(layout.masks, layout.bitsPerPixel);
    const std::size_t stride = static_cast<std::size_t>(rowStride(layout));
    const std::size_t rowBytes = static_cast<std::size_t>(bytesUsedByRow(layout));
    const std::size_t width = static_cast<std::size_t>(layout.width);

    Bitmap bitmap(layout.width, layout.height);
    for (std::int32_t fileRow = 0; fileRow < layout.height; ++fileRow) {
        const std::int32_t y = layout.topDown ? fileRow : layout.height - 1 - fileRow;
        const Row row = data.subspan(static_cast<std::size_t>(fileRow) * stride, rowBytes);
        const PixelsOut out(bitmap.pixels().data() + static_cast<std::size_t>(y) * width, width);
        switch (layout.bitsPerPixel) {
        case 16:
        case 32:
            decodeMaskedRow(row, layout.bitsPerPixel / 8, masked, out);
            break;
        case 24:
            decodeBlueGreenRedRow(row, out);
            break;
        default:
            decodeIndexedRow(row, layout.bitsPerPixel, palette, out);
            break;
        }
    }
    return bitmap;
}

} // namespace platform::picture
