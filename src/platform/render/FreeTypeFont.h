#pragma once

#include "platform/render/FontMatch.h"
#include "platform/render/FontSize.h"
#include "platform/render/FreeTypeFace.h"
#include "platform/render/RealizedFont.h"

#include <memory>
#include <string>

namespace platform::render {

// A face file at the size a logical font asked for: the cell metrics of
// that size on top of a FreeTypeFace, which fonts of the same em share.
class FreeTypeFont final : public RealizedFont {
public:
    FreeTypeFont(std::shared_ptr<const FreeTypeFace> face, const FaceSource& source, const FaceSize& size,
                 std::int32_t dpiY);

    std::int32_t ascent() const override { return size_.ascent; }
    std::int32_t descent() const override { return size_.descent; }
    std::int32_t advance(char32_t character) const override { return face_->advance(character); }
    std::shared_ptr<const Glyph> glyph(char32_t character) const override { return face_->glyph(character); }

    // face "DejaVu Sans" style "Book" emboldened file /usr/.../DejaVuSans.ttf
    // pixels 13 dpi 96 lineHeight 15 ("emboldened" only for a made-up bold,
    // "index N" after the file only for a face within a collection).
    std::string describe() const override { return description_; }

private:
    std::shared_ptr<const FreeTypeFace> face_;
    FaceSize size_;
    std::string description_;
};

} // namespace platform::render
