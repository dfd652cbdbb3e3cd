#pragma once

// Builds Windows bitmap files byte by byte, so that tests can state exactly
// what a file holds: any header kind, palette, masks and pixel bytes, and
// fields that a well-behaved writer would never produce.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace bmp_test {

using Bytes = std::vector<std::uint8_t>;

// Bitmap header kinds, by their size in bytes.
enum class Header : std::uint32_t {
    Core = 12,     // OS/2 1.x: 16-bit width and height, 3-byte palette entries
    Os2Short = 16, // OS/2 2.x with only the fields up to the bit count
    Info = 40,     // Windows 3
    V2 = 52,       // with red, green and blue masks
    V3 = 56,       // with an alpha mask too
    Os2 = 64,      // OS/2 2.x in full
    V4 = 108,
    V5 = 124,
};

inline constexpr std::uint32_t rgb = 0;
inline constexpr std::uint32_t rle8 = 1;
inline constexpr std::uint32_t rle4 = 2;
inline constexpr std::uint32_t bitFields = 3;
inline constexpr std::uint32_t alphaBitFields = 6;

// What a bitmap file holds, field by field.
struct BmpContent {
    Header header = Header::Info;
    std::int32_t width = 1;
    std::int32_t height = 1; // negative for rows from the top down
    std::uint16_t bitCount = 24;
    std::uint32_t compression = rgb;
    std::vector<std::uint32_t> palette{}; // 0xRRGGBB each
    // The header's colour count; the palette's size unless given.
    std::optional<std::uint32_t> coloursUsed{};
    // Written inside the Windows headers of 52 bytes and more, or after a
    // 40-byte header.
    std::vector<std::uint32_t> masks{};
    Bytes pixels{};
    // The file header's pixel data offset; right after the palette unless given.
    std::optional<std::uint32_t> pixelOffset{};
};

class ByteSink {
public:
    void u8(std::uint32_t v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v)
    {
        u8(v);
        u8(v >> 8);
    }
    void u32(std::uint32_t v)
    {
        u16(v);
        u16(v >> 16);
    }
    void zeros(std::size_t count) { bytes.insert(bytes.end(), count, 0); }
    void append(const Bytes& more) { bytes.insert(bytes.end(), more.begin(), more.end()); }

    Bytes bytes;
};

inline Bytes bitmapHeader(const BmpContent& content)
{
    const auto size = static_cast<std::uint32_t>(content.header);
    ByteSink out;
    out.u32(size);
    if (content.header == Header::Core) {
        out.u16(static_cast<std::uint32_t>(content.width));
        out.u16(static_cast<std::uint32_t>(content.height));
        out.u16(1);
        out.u16(content.bitCount);
        return out.bytes;
    }
    out.u32(static_cast<std::uint32_t>(content.width));
    out.u32(static_cast<std::uint32_t>(content.height));
    out.u16(1);
    out.u16(content.bitCount);
    if (content.header == Header::Os2Short)
        return out.bytes;
    out.u32(content.compression);
    out.u32(static_cast<std::uint32_t>(content.pixels.size()));
    out.u32(2835); // 72 dots per inch
    out.u32(2835);
    out.u32(content.coloursUsed.value_or(static_cast<std::uint32_t>(content.palette.size())));
    out.u32(0);
    if (size >= 52 && content.header != Header::Os2) {
        for (std::size_t i = 0; i < 3; ++i)
            out.u32(i < content.masks.size() ? content.masks[i] : 0);
    }
    out.zeros(size - out.bytes.size());
    return out.bytes;
}

inline Bytes writeBmp(const BmpContent& content)
{
    ByteSink body;
    body.append(bitmapHeader(content));
    if (content.header == Header::Info) {
        for (const std::uint32_t mask : content.masks)
            body.u32(mask);
    }
    for (const std::uint32_t colour : content.palette) {
        body.u8(colour);
        body.u8(colour >> 8);
        body.u8(colour >> 16);
        if (content.header != Header::Core)
            body.u8(0);
    }
    const auto offset = static_cast<std::uint32_t>(14 + body.bytes.size());
    body.append(content.pixels);

    ByteSink file;
    file.u8('B');
    file.u8('M');
    file.u32(static_cast<std::uint32_t>(14 + body.bytes.size()));
    file.u32(0);
    file.u32(content.pixelOffset.value_or(offset));
    file.append(body.bytes);
    return file.bytes;
}

// Pixel rows as stored in the file, each padded with zeros to 4 bytes.
inline Bytes paddedRows(std::initializer_list<Bytes> rows)
{
    Bytes out;
    for (const Bytes& row : rows) {
        out.insert(out.end(), row.begin(), row.end());
        out.insert(out.end(), (4 - row.size() % 4) % 4, 0);
    }
    return out;
}

} // namespace bmp_test
