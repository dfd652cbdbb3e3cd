#pragma once

#include "platform/Bitmap.h"
#include "platform/picture/BmpBytes.h"
#include "platform/picture/BmpLayout.h"
#include "platform/picture/BmpPalette.h"

namespace platform::picture {

// Decodes 8- or 4-bit run-length compressed pixel data, which fills the rows
// from the bottom up. The stream is a series of two-byte instructions: a
// count of 1 to 255 repeats the second byte's index (for 4 bits, its two
// nibbles in turn); a count of 0 makes the second byte an escape: 0 ends the
// row, 1 ends the bitmap, 2 moves right and up by the next two bytes, and 3 to
// 255 copies that many indices from the stream, padded to an even number of
// bytes.
//
// Pixels the stream skips show palette colour 0, as in a picture whose
// indices start out as zeros. Raises BmpFormatError for a stream that writes
// past a row or past the last row, moves out of the picture, or ends before
// the end-of-bitmap mark while rows remain.
Bitmap decodeRunLengthBmp(const BmpBytes& file, const BmpLayout& layout, const BmpPalette& palette);

} // namespace platform::picture
