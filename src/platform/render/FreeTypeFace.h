#pragma once

#include "platform/render/FontMatch.h"
#include "platform/render/FontSize.h"
#include "platform/render/RealizedFont.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

namespace platform::render {

// The FreeType library instance. Faces hold it, so it outlives them whatever
// order they are released in.
class FreeTypeLibrary {
public:
    FreeTypeLibrary();
    ~FreeTypeLibrary();
    FreeTypeLibrary(const FreeTypeLibrary&) = delete;
    FreeTypeLibrary& operator=(const FreeTypeLibrary&) = delete;

    FT_Library handle() const { return library_; }

private:
    FT_Library library_ = nullptr;
};

// Reads a face file's vertical design metrics. Raises PlatformError when the
// file cannot be opened or holds no scalable face.
FaceDesign readFaceDesign(const FreeTypeLibrary& library, const FaceSource& source);

// A face file opened at one size, with the glyphs it has loaded.
//
// Glyphs are hinted with FreeType's light hinting (outlines fitted to the
// pixel grid vertically only, the shapes kept), rendered with 8-bit
// coverage, and advance by their hinted advance rounded to whole pixels.
// A face asked to embolden widens every outline by a 24th of the em and
// moves the pen on by as much more, in measuring and drawing alike.
class FreeTypeFace {
public:
    FreeTypeFace(std::shared_ptr<const FreeTypeLibrary> library, const FaceSource& source, std::int32_t emPixels);
    ~FreeTypeFace();
    FreeTypeFace(const FreeTypeFace&) = delete;
    FreeTypeFace& operator=(const FreeTypeFace&) = delete;

    std::int32_t advance(char32_t character) const;
    std::shared_ptr<const Glyph> glyph(char32_t character) const;

private:
    // Loads the character's glyph into the face's slot, emboldened as asked,
    // and answers its advance; -1 when the font fails to give the glyph,
    // which then has no width and no picture.
    std::int32_t load(char32_t character) const;
    std::shared_ptr<const Glyph> render(char32_t character) const;

    std::shared_ptr<const FreeTypeLibrary> library_;
    FT_Face face_ = nullptr;
    bool embolden_ = false;
    bool symbolMap_ = false;
    FT_Pos emboldenStrength_ = 0; // 26.6 pixels

    // Advances are small and kept for every character met; pictures are
    // kept until they take more than glyphCacheBytes, then dropped together.
    static constexpr std::size_t glyphCacheBytes = 8u * 1024u * 1024u;
    mutable std::unordered_map<char32_t, std::int32_t> advances_;
    mutable std::unordered_map<char32_t, std::shared_ptr<const Glyph>> glyphs_;
    mutable std::size_t glyphBytes_ = 0;
};

} // namespace platform::render
