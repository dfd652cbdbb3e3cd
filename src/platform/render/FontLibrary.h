#pragma once

#include "platform/Font.h"
#include "platform/render/FontMatch.h"
#include "platform/render/RealizedFont.h"

#include <cstdint>
#include <memory>

namespace platform::render {

// The fonts that the renderer draws and measures with. One cache for the
// process keeps what fontconfig chose for a logical font and the FreeType
// faces opened for it (by file, face index, pixel size and emboldening), so
// that measuring a text and drawing it use the very same glyphs. The cache
// is used from the one thread that paints; each of its tables is emptied
// when it grows past a few dozen entries, a menu needs a handful.

// The font for a logical font at a vertical resolution: its face found as
// findFace() does, sized as sizeFace() does with the font's requested
// height; the test face instead when one is in use. A face file FreeType
// cannot use gives way to the desktop's sans face. Raises PlatformError when
// not even that can be had.
std::shared_ptr<const RealizedFont> realizeFont(const Font& font, std::int32_t dpiY);

// A given face file at a requested height (Windows lfHeight rules, see
// sizeFace()). Raises PlatformError when FreeType cannot use the file.
std::shared_ptr<const RealizedFont> openFont(const FaceSource& source, std::int32_t requestedHeight,
                                             std::int32_t dpiY);

} // namespace platform::render
