#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>

namespace platform::picture {

// The largest picture the decoder accepts. A menu picture is at most a few
// screens large; these bounds refuse the absurd dimensions of a broken or
// hostile file before anything is allocated, and keep a decoded bitmap
// (4 bytes a pixel) at most 256 MiB.
inline constexpr std::int64_t maxBmpSide = 16384;
inline constexpr std::int64_t maxBmpPixels = 64ll * 1024 * 1024;

// Decodes a Windows bitmap file held in memory. `name` is the file's name,
// used in the texts of the PlatformError raised for a broken or unsupported
// file.
//
// Accepted: the OS/2 1.x core header (12 bytes), OS/2 2.x headers (16 to 64
// bytes), and the Windows headers of 40, 52, 56, 108 and 124 bytes; 1, 2, 4,
// 8, 16, 24 and 32 bits per pixel; no compression, 8- and 4-bit run-length
// compression, and colour bit fields (16 and 32 bits per pixel). Rows are
// stored from the bottom up, or from the top down when the height is negative.
// Alpha is ignored. A palette index past the palette's end shows black;
// pixels that a run-length stream never writes show palette colour 0.
Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const std::string& name);

} // namespace platform::picture
