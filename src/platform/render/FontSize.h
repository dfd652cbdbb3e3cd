#pragma once

#include <cstdint>

namespace platform::render {

// Pixel sizes are held within this range. Larger requests would make every
// glyph a picture of megabytes and let a definition file hang the menu; no
// screen needs a character taller than 1000 pixels.
inline constexpr std::int32_t minPixelSize = 1;
inline constexpr std::int32_t maxPixelSize = 1000;

// A scalable face's vertical design metrics, in font units: the Windows
// ascent and descent (OS/2 usWinAscent and usWinDescent, or the hhea
// ascender and descender when a face has no OS/2 table), both counted
// positive away from the baseline.
struct FaceDesign {
    std::int32_t unitsPerEm = 0;
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
};

// The sizes a face is drawn at.
struct FaceSize {
    // Pixels per em, the size FreeType scales the outlines to.
    std::int32_t emPixels = 0;
    // The character cell above and below the baseline, in pixels.
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
};

// Sizes a face the way Windows reads a font's height (lfHeight):
// - negative: a character height, the em is that many pixels;
// - positive: a cell height, the em is scaled so that ascent + descent make
//   exactly that many pixels;
// - zero: the default, as if 10 points had been asked at `dpiY`.
// Heights are first held within minPixelSize..maxPixelSize. Ascent and
// descent are the design values scaled and each rounded to the nearest pixel
// (halves up), as Windows computes tmAscent and tmDescent; for a cell height
// the descent is what the cell leaves below the rounded ascent.
FaceSize sizeFace(std::int32_t requestedHeight, std::int32_t dpiY, const FaceDesign& design);

} // namespace platform::render
