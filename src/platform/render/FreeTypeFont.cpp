#include "platform/render/FreeTypeFont.h"

#include <sstream>

namespace platform::render {

FreeTypeFont::FreeTypeFont(std::shared_ptr<const FreeTypeFace> face, const FaceSource& source, const FaceSize& size,
                           std::int32_t dpiY)
    : face_(std::move(face))
    , size_(size)
{
    std::ostringstream text;
    text << "face \"" << source.family << "\" style \"" << source.style << '"';
    if (source.embolden) {
        text << " emboldened";
    }
    text << " file " << source.file;
    if (source.index != 0) {
        text << " index " << source.index;
    }
    text << " pixels " << size.emPixels << " dpi " << dpiY << " lineHeight " << lineHeight();
    description_ = text.str();
}

} // namespace platform::render
