#pragma once

#include "platform/picture/BmpBytes.h"

#include <cstdint>

namespace platform::picture {

// How the pixel data is stored.
enum class BmpCompression {
    None,      // rows of palette indices or of blue, green, red bytes
    RunLength8,
    RunLength4,
    BitFields, // 16- or 32-bit pixels whose colours are picked out by masks
};

// Where each colour lies in a 16- or 32-bit pixel. Filled in for every file
// of those depths: from the file for bit fields, otherwise the defaults
// (5-5-5 for 16 bits, 8-8-8 for 32 bits).
struct BmpColourMasks {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
};

// The palette entries that the pixels may use.
struct BmpPaletteLocation {
    std::uint64_t offset = 0;
    std::uint64_t entries = 0;
    std::uint64_t entrySize = 4; // 3 in an OS/2 1.x file (no reserved byte)
};

// Everything the headers say about a bitmap, checked for consistency and
// against the size limits.
struct BmpLayout {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool topDown = false;
    unsigned bitsPerPixel = 0;
    BmpCompression compression = BmpCompression::None;
    BmpColourMasks masks;
    BmpPaletteLocation palette;
    std::uint64_t pixelOffset = 0;
};

// Reads the file header, the bitmap header, the colour masks that may follow
// it and the place of the palette and pixel data. Raises BmpFormatError for a
// file that is broken, unsupported or too large.
BmpLayout readBmpLayout(const BmpBytes& file);

} // namespace platform::picture
