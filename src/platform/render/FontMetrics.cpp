#include "platform/FontMetrics.h"

#include "platform/render/FontLibrary.h"

namespace platform {

// The metrics of the font that the software renderer draws with: the same
// cached face, so a measured text is as wide as it is drawn.
struct FontMetrics::Impl {
    std::shared_ptr<const render::RealizedFont> font;
};

FontMetrics::FontMetrics(const Font& font, std::int32_t dpiY)
    : impl_(std::make_shared<const Impl>(Impl{render::realizeFont(font, dpiY)}))
{
}

FontMetrics::~FontMetrics() = default;
FontMetrics::FontMetrics(const FontMetrics&) = default;
FontMetrics& FontMetrics::operator=(const FontMetrics&) = default;

std::int32_t FontMetrics::lineHeight() const
{
    return impl_->font->lineHeight();
}

std::int32_t FontMetrics::textWidth(std::string_view text) const
{
    return impl_->font->textWidth(text);
}

std::string FontMetrics::describe() const
{
    return impl_->font->describe();
}

} // namespace platform
