#pragma once

#include "platform/Bitmap.h"
#include "platform/picture/BmpBytes.h"
#include "platform/picture/BmpLayout.h"
#include "platform/picture/BmpPalette.h"

namespace platform::picture {

// Decodes pixel data stored without run-length compression: palette indices
// (1, 2, 4 or 8 bits), bit-field pixels (16 or 32 bits) or blue, green, red
// bytes (24 bits). Each row is padded to a multiple of 4 bytes. Raises
// BmpFormatError, before allocating the picture, when the file is too short.
Bitmap decodeUncompressedBmp(const BmpBytes& file, const BmpLayout& layout, const BmpPalette& palette);

} // namespace platform::picture
