#include "platform/render/FreeTypeFace.h"

#include "platform/PlatformError.h"

#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <limits>
#include <string>

namespace platform::render {
namespace {

constexpr FT_Int32 loadFlags = FT_LOAD_TARGET_LIGHT;

std::string describeSource(const FaceSource& source)
{
    return source.file + (source.index != 0 ? " (face " + std::to_string(source.index) + ")" : std::string());
}

// Opens the face or raises PlatformError; fixed-size bitmap faces are
// refused, the menu sizes fonts freely.
FT_Face openFace(const FreeTypeLibrary& library, const FaceSource& source)
{
    FT_Face face = nullptr;
    if (FT_New_Face(library.handle(), source.file.c_str(), source.index, &face) != 0 || face == nullptr) {
        throw PlatformError("FreeType cannot open the font " + describeSource(source));
    }
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
        FT_Done_Face(face);
        throw PlatformError("The font " + describeSource(source) + " is not scalable");
    }
    return face;
}

struct FaceRelease {
    void operator()(FT_Face face) const { FT_Done_Face(face); }
};

// The glyph slot's bitmap as coverage rows from the top, 0..255.
void copyCoverage(const FT_Bitmap& bitmap, Glyph& glyph)
{
    const auto width = static_cast<std::size_t>(bitmap.width);
    const auto rows = static_cast<std::size_t>(bitmap.rows);
    const bool grey = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY && bitmap.num_grays > 1;
    const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
    if (width == 0 || rows == 0 || bitmap.buffer == nullptr || (!grey && !mono)) {
        glyph.width = 0;
        glyph.height = 0;
        return;
    }
    glyph.width = static_cast<std::int32_t>(width);
    glyph.height = static_cast<std::int32_t>(rows);
    glyph.coverage.assign(width * rows, 0);
    const auto pitch = static_cast<std::size_t>(bitmap.pitch < 0 ? -std::int64_t{bitmap.pitch} : bitmap.pitch);
    const std::uint32_t greys = grey ? bitmap.num_grays - 1u : 1u;
    for (std::size_t row = 0; row < rows; ++row) {
        // A negative pitch stores the rows from the bottom.
        const std::size_t stored = bitmap.pitch < 0 ? rows - 1 - row : row;
        const unsigned char* source = bitmap.buffer + stored * pitch;
        std::uint8_t* target = glyph.coverage.data() + row * width;
        for (std::size_t x = 0; x < width; ++x) {
            const std::uint32_t value = grey ? source[x] : (source[x / 8] >> (7 - x % 8)) & 1u;
            target[x] = static_cast<std::uint8_t>(std::min<std::uint32_t>(value, greys) * 255u / greys);
        }
    }
}

} // namespace

FreeTypeLibrary::FreeTypeLibrary()
{
    if (FT_Init_FreeType(&library_) != 0) {
        throw PlatformError("FreeType cannot start");
    }
}

FreeTypeLibrary::~FreeTypeLibrary()
{
    FT_Done_FreeType(library_);
}

FaceDesign readFaceDesign(const FreeTypeLibrary& library, const FaceSource& source)
{
    const std::unique_ptr<FT_FaceRec, FaceRelease> face(openFace(library, source));
    FaceDesign design;
    design.unitsPerEm = face->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFFu && os2->usWinAscent + os2->usWinDescent > 0) {
        design.ascent = os2->usWinAscent;
        design.descent = os2->usWinDescent;
    } else {
        // FreeType fills these from the hhea table, or from whatever a
        // face without one has; the descender counts down from the baseline.
        design.ascent = face->ascender;
        design.descent = -std::int32_t{face->descender};
    }
    return design;
}

FreeTypeFace::FreeTypeFace(std::shared_ptr<const FreeTypeLibrary> library, const FaceSource& source,
                           std::int32_t emPixels)
    : library_(std::move(library))
    , face_(openFace(*library_, source))
    , embolden_(source.embolden)
{
    const auto pixels = static_cast<FT_UInt>(std::clamp(emPixels, minPixelSize, maxPixelSize));
    if (FT_Set_Pixel_Sizes(face_, 0, pixels) != 0) {
        FT_Done_Face(face_);
        throw PlatformError("FreeType cannot size the font " + describeSource(source) + " to " +
                            std::to_string(pixels) + " pixels");
    }
    emboldenStrength_ = static_cast<FT_Pos>(pixels) * 64 / 24;
    // A symbol font (Wingdings, Symbol) has no Unicode map, only the
    // Windows symbol one; FreeType then leaves the face without a map.
    if (face_->charmap == nullptr || face_->charmap->encoding != FT_ENCODING_UNICODE) {
        symbolMap_ = FT_Select_Charmap(face_, FT_ENCODING_MS_SYMBOL) == 0;
    }
}

FreeTypeFace::~FreeTypeFace()
{
    FT_Done_Face(face_);
}

std::int32_t FreeTypeFace::load(char32_t character) const
{
    FT_GlyphSlot slot = face_->glyph;
    // A character the face lacks loads glyph 0, the face's own sign for a
    // missing character, as Windows draws it.
    FT_UInt index = FT_Get_Char_Index(face_, character);
    if (index == 0 && symbolMap_ && character < 0x100) {
        // Windows shows the character codes 0x00..0xFF of a symbol font as
        // the glyphs that its map files under 0xF000..0xF0FF.
        index = FT_Get_Char_Index(face_, 0xF000 + character);
    }
    if (FT_Load_Glyph(face_, index, loadFlags) != 0) {
        return -1;
    }
    FT_Pos advance = slot->advance.x;
    if (embolden_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // The outline grows by the strength, half on either side; it is
        // moved right by that half so that it keeps its left bearing.
        FT_Outline_EmboldenXY(&slot->outline, emboldenStrength_, 0);
        FT_Outline_Translate(&slot->outline, emboldenStrength_ / 2, 0);
        advance += emboldenStrength_;
    }
    const FT_Pos pixels = (std::max<FT_Pos>(advance, 0) + 32) / 64;
    return static_cast<std::int32_t>(std::min<FT_Pos>(pixels, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t FreeTypeFace::advance(char32_t character) const
{
    if (const auto known = advances_.find(character); known != advances_.end()) {
        return known->second;
    }
    if (const auto drawn = glyphs_.find(character); drawn != glyphs_.end()) {
        return drawn->second->advance;
    }
    const std::int32_t advance = std::max(load(character), 0);
    advances_.emplace(character, advance);
    return advance;
}

std::shared_ptr<const Glyph> FreeTypeFace::glyph(char32_t character) const
{
    if (const auto drawn = glyphs_.find(character); drawn != glyphs_.end()) {
        return drawn->second;
    }
    std::shared_ptr<const Glyph> made = render(character);
    const std::size_t bytes = made->coverage.size() + sizeof(Glyph);
    if (glyphBytes_ + bytes > glyphCacheBytes) {
        glyphs_.clear();
        glyphBytes_ = 0;
    }
    glyphs_.emplace(character, made);
    glyphBytes_ += bytes;
    return made;
}

std::shared_ptr<const Glyph> FreeTypeFace::render(char32_t character) const
{
    auto made = std::make_shared<Glyph>();
    const std::int32_t advance = load(character);
    if (advance < 0) {
        return made;
    }
    made->advance = advance;
    FT_GlyphSlot slot = face_->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) {
        return made;
    }
    made->left = slot->bitmap_left;
    made->top = slot->bitmap_top;
    copyCoverage(slot->bitmap, *made);
    return made;
}

} // namespace platform::render
