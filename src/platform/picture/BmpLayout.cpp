#include "platform/picture/BmpLayout.h"

#include "platform/picture/BmpDecoder.h"

#include <algorithm>
#include <string>

namespace platform::picture {

namespace {

constexpr std::uint64_t fileHeaderSize = 14;

// The sizes that tell the kinds of bitmap header apart.
constexpr std::uint32_t coreHeaderSize = 12;     // OS/2 1.x and Windows 2
constexpr std::uint32_t infoHeaderSize = 40;     // Windows 3
constexpr std::uint32_t v2HeaderSize = 52;       // adds the red, green and blue masks
constexpr std::uint32_t v3HeaderSize = 56;       // adds the alpha mask
constexpr std::uint32_t v4HeaderSize = 108;      // adds colour space fields
constexpr std::uint32_t v5HeaderSize = 124;      // adds the colour profile
constexpr std::uint32_t os2MinHeaderSize = 16;   // OS/2 2.x may leave out any
constexpr std::uint32_t os2MaxHeaderSize = 64;   // number of trailing fields

// Compression codes.
constexpr std::uint32_t codeRgb = 0;
constexpr std::uint32_t codeRle8 = 1;
constexpr std::uint32_t codeRle4 = 2;
constexpr std::uint32_t codeBitFields = 3;
constexpr std::uint32_t codeJpeg = 4;
constexpr std::uint32_t codePng = 5;
constexpr std::uint32_t codeAlphaBitFields = 6;
// An OS/2 2.x header gives codes 3 and 4 other meanings.
constexpr std::uint32_t codeOs2Huffman = 3;
constexpr std::uint32_t codeOs2Rle24 = 4;

enum class HeaderKind { Core, Os2, Windows };

// The bitmap header's fields, whatever its kind. Fields that a short header
// leaves out are zero.
struct InfoHeader {
    HeaderKind kind = HeaderKind::Windows;
    std::uint32_t size = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    unsigned bitCount = 0;
    std::uint32_t compression = codeRgb;
    std::uint32_t coloursUsed = 0;
};

// Checks the signature and returns where the file says the pixel data starts.
std::uint32_t readFileHeader(const BmpBytes& file)
{
    if (file.size() == 0)
        throw BmpFormatError("the file is empty");
    if (file.size() >= 2 && (file.u8(0) != 'B' || file.u8(1) != 'M'))
        throw BmpFormatError("it is not a Windows bitmap (it does not start with \"BM\")");
    file.require(0, fileHeaderSize, "the file header");
    return file.u32(10);
}

HeaderKind headerKind(std::uint32_t size)
{
    if (size == coreHeaderSize)
        return HeaderKind::Core;
    if (size == infoHeaderSize || size == v2HeaderSize || size == v3HeaderSize || size == v4HeaderSize ||
        size == v5HeaderSize)
        return HeaderKind::Windows;
    if (size >= os2MinHeaderSize && size <= os2MaxHeaderSize)
        return HeaderKind::Os2;
    throw BmpFormatError("unknown bitmap header size " + std::to_string(size));
}

InfoHeader readInfoHeader(const BmpBytes& file)
{
    file.require(fileHeaderSize, 4, "the bitmap header");
    InfoHeader header;
    header.size = file.u32(fileHeaderSize);
    header.kind = headerKind(header.size);
    file.require(fileHeaderSize, header.size, "the bitmap header");

    const std::uint64_t at = fileHeaderSize;
    if (header.kind == HeaderKind::Core) {
        header.width = file.u16(at + 4);
        header.height = file.u16(at + 6);
        header.bitCount = file.u16(at + 10);
        return header;
    }
    const auto optionalField = [&](std::uint32_t offset) -> std::uint32_t {
        return offset + 4 <= header.size ? file.u32(at + offset) : 0;
    };
    header.width = file.i32(at + 4);
    header.height = file.i32(at + 8);
    header.bitCount = file.u16(at + 14);
    header.compression = optionalField(16);
    header.coloursUsed = optionalField(32);
    return header;
}

void readDimensions(const InfoHeader& header, BmpLayout& layout)
{
    if (header.width <= 0)
        throw BmpFormatError("invalid width " + std::to_string(header.width));
    if (header.height == 0)
        throw BmpFormatError("invalid height 0");
    // A negative height marks rows stored from the top down.
    const std::int64_t height = header.height < 0 ? -header.height : header.height;
    if (header.width > maxBmpSide || height > maxBmpSide || header.width * height > maxBmpPixels)
        throw BmpFormatError("the picture is " + std::to_string(header.width) + " x " + std::to_string(height) +
                             " pixels, more than the limit of " + std::to_string(maxBmpSide) +
                             " pixels a side and " + std::to_string(maxBmpPixels) + " pixels in all");
    layout.width = static_cast<std::int32_t>(header.width);
    layout.height = static_cast<std::int32_t>(height);
    layout.topDown = header.height < 0;
}

// Refuses the methods this decoder does not know, whatever the depth: a
// bitmap that wraps a JPEG or PNG picture gives 0 bits per pixel. OS/2 2.x
// gives codes 3 and 4 other meanings: always in an OS/2 header, and in a
// 40-byte header for the pairings only OS/2 uses (Huffman on 1 bit per pixel,
// run-length on 24 bits per pixel).
void refuseUnknownCompression(const InfoHeader& header)
{
    const bool os2 = header.kind == HeaderKind::Os2;
    const bool windows3 = header.size == infoHeaderSize;
    if (header.compression == codeOs2Huffman && (os2 || (windows3 && header.bitCount == 1)))
        throw BmpFormatError("OS/2 Huffman compression is not supported");
    if (header.compression == codeOs2Rle24 && (os2 || (windows3 && header.bitCount == 24)))
        throw BmpFormatError("OS/2 24-bit run-length compression is not supported");
    if (header.compression == codeJpeg)
        throw BmpFormatError("bitmaps holding a JPEG picture are not supported");
    if (header.compression == codePng)
        throw BmpFormatError("bitmaps holding a PNG picture are not supported");
    if (header.compression > codeAlphaBitFields)
        throw BmpFormatError("unknown compression method " + std::to_string(header.compression));
}

void readBitsPerPixel(const InfoHeader& header, BmpLayout& layout)
{
    switch (header.bitCount) {
    case 1: case 2: case 4: case 8: case 16: case 24: case 32:
        layout.bitsPerPixel = header.bitCount;
        return;
    default:
        throw BmpFormatError("unsupported number of bits per pixel: " + std::to_string(header.bitCount));
    }
}

void requireBits(const BmpLayout& layout, unsigned bits, const char* method)
{
    if (layout.bitsPerPixel != bits)
        throw BmpFormatError(std::string(method) + " needs " + std::to_string(bits) + " bits per pixel, not " +
                             std::to_string(layout.bitsPerPixel));
}

// Takes a known method and checks that it suits the depth and row order.
void readCompression(const InfoHeader& header, BmpLayout& layout)
{
    switch (header.compression) {
    case codeRle8:
        requireBits(layout, 8, "8-bit run-length compression");
        layout.compression = BmpCompression::RunLength8;
        break;
    case codeRle4:
        requireBits(layout, 4, "4-bit run-length compression");
        layout.compression = BmpCompression::RunLength4;
        break;
    case codeBitFields:
    case codeAlphaBitFields:
        if (layout.bitsPerPixel != 16 && layout.bitsPerPixel != 32)
            throw BmpFormatError("colour bit fields need 16 or 32 bits per pixel, not " +
                                 std::to_string(layout.bitsPerPixel));
        layout.compression = BmpCompression::BitFields;
        return;
    default: // uncompressed: every other code was refused before
        layout.compression = BmpCompression::None;
        return;
    }
    // Run-length data always fills the rows from the bottom up.
    if (layout.topDown)
        throw BmpFormatError("a run-length compressed bitmap cannot be stored top-down");
}

BmpColourMasks defaultMasks(unsigned bitsPerPixel)
{
    if (bitsPerPixel == 16)
        return {0x7c00, 0x03e0, 0x001f};
    if (bitsPerPixel == 32)
        return {0xff0000, 0x00ff00, 0x0000ff};
    return {};
}

BmpColourMasks readMaskTriple(const BmpBytes& file, std::uint64_t offset)
{
    return {file.u32(offset), file.u32(offset + 4), file.u32(offset + 8)};
}

// Fills in the masks and returns how many bytes of masks follow the header.
std::uint64_t readMasks(const BmpBytes& file, const InfoHeader& header, BmpLayout& layout)
{
    if (layout.compression != BmpCompression::BitFields) {
        layout.masks = defaultMasks(layout.bitsPerPixel);
        return 0;
    }
    // Headers from 52 bytes on hold the masks themselves; a 40-byte header
    // is followed by them, with a fourth for alpha when the code says so.
    if (header.size >= v2HeaderSize) {
        layout.masks = readMaskTriple(file, fileHeaderSize + infoHeaderSize);
        return 0;
    }
    const std::uint64_t maskOffset = fileHeaderSize + header.size;
    const std::uint64_t maskBytes = header.compression == codeAlphaBitFields ? 16 : 12;
    file.require(maskOffset, maskBytes, "the colour masks");
    layout.masks = readMaskTriple(file, maskOffset);
    return maskBytes;
}

// Finds the palette and the pixel data. The palette follows the header and
// masks; the file header says where the pixel data starts. When that offset
// is 0 or points back into the headers it cannot be right, and the pixel data
// is taken to follow the palette. When it points into the palette, the file
// holds fewer colours than declared, as some OS/2 writers do.
void locatePaletteAndPixels(const BmpBytes& file, const InfoHeader& header, std::uint64_t maskBytes,
                            std::uint32_t pixelOffsetField, BmpLayout& layout)
{
    BmpPaletteLocation& palette = layout.palette;
    palette.offset = fileHeaderSize + header.size + maskBytes;
    palette.entrySize = header.kind == HeaderKind::Core ? 3 : 4;

    // Up to 8 bits per pixel, a colour count of 0 means "as many as the
    // indices can reach". Deeper pixels do not use a palette, but the file may
    // still hold one (a hint for displays with few colours), to be skipped.
    const std::uint64_t reachable = layout.bitsPerPixel <= 8 ? std::uint64_t{1} << layout.bitsPerPixel : 0;
    const std::uint64_t declared =
        header.kind == HeaderKind::Core || header.coloursUsed == 0 ? reachable : header.coloursUsed;
    const std::uint64_t paletteEnd = palette.offset + declared * palette.entrySize;
    palette.entries = std::min(declared, reachable);

    layout.pixelOffset = pixelOffsetField;
    if (pixelOffsetField < palette.offset) {
        if (paletteEnd > file.size())
            throw BmpFormatError("the file is truncated in the palette");
        layout.pixelOffset = paletteEnd;
    } else if (pixelOffsetField < paletteEnd) {
        palette.entries = std::min(palette.entries, (pixelOffsetField - palette.offset) / palette.entrySize);
    }
    file.require(palette.offset, palette.entries * palette.entrySize, "the palette");
    if (layout.pixelOffset > file.size())
        throw BmpFormatError("the pixel data offset " + std::to_string(layout.pixelOffset) +
                             " lies past the end of the file (" + std::to_string(file.size()) + " bytes)");
}

} // namespace

BmpLayout readBmpLayout(const BmpBytes& file)
{
    const std::uint32_t pixelOffsetField = readFileHeader(file);
    const InfoHeader header = readInfoHeader(file);
    BmpLayout layout;
    readDimensions(header, layout);
    refuseUnknownCompression(header);
    readBitsPerPixel(header, layout);
    readCompression(header, layout);
    const std::uint64_t maskBytes = readMasks(file, header, layout);
    locatePaletteAndPixels(file, header, maskBytes, pixelOffsetField, layout);
    return layout;
}

} // namespace platform::picture
