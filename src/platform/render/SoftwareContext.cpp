#include "platform/render/SoftwareContext.h"

#include "platform/render/Clip.h"
#include "platform/render/FontLibrary.h"
#include "platform/render/Utf8.h"

#include <algorithm>
#include <vector>

namespace platform::render {
namespace {

// Lays `amount` over what the mask holds: a + m - a*m, in 0..255, which is
// what painting one glyph over another gives.
std::uint8_t over(std::uint8_t mask, std::uint8_t amount)
{
    const std::uint32_t m = mask;
    const std::uint32_t a = amount;
    return static_cast<std::uint8_t>(m + a - (m * a + 127) / 255);
}

struct PlacedGlyph {
    std::shared_ptr<const Glyph> glyph;
    std::int64_t left = 0;
    std::int64_t top = 0;
};

} // namespace

SoftwareContext::SoftwareContext(Framebuffer& framebuffer, std::int32_t dpiY)
    : framebuffer_(framebuffer)
    , dpiY_(dpiY)
    , clip_(framebuffer.bounds())
    , font_(Font::systemDefault())
{
}

void SoftwareContext::setClip(const Rect& clip)
{
    clip_ = intersection(clip, framebuffer_.bounds());
}

void SoftwareContext::setFont(const Font& font)
{
    if (!(font == font_)) {
        font_ = font;
        realized_.reset();
    }
}

const RealizedFont& SoftwareContext::font()
{
    if (!realized_) {
        realized_ = realizeFont(font_, dpiY_);
    }
    return *realized_;
}

void SoftwareContext::fillRect(const Rect& rect)
{
    if (isEmpty(rect)) {
        return;
    }
    framebuffer_.fill(intersection(rect, clip_), pixelOf(fill_));
    // The rectangle is not empty, so right - 1 and bottom - 1 stay in range.
    const std::uint32_t pen = pixelOf(pen_);
    for (const Rect& edge : {Rect{rect.left, rect.top, rect.right, rect.top + 1},
                             Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom},
                             Rect{rect.left, rect.top, rect.left + 1, rect.bottom},
                             Rect{rect.right - 1, rect.top, rect.right, rect.bottom}}) {
        framebuffer_.fill(intersection(edge, clip_), pen);
    }
}

void SoftwareContext::drawText(Point topLeft, const std::string& text)
{
    if (text.empty() || isEmpty(clip_)) {
        return;
    }
    const RealizedFont& realized = font();
    const std::int64_t baseline = std::int64_t{topLeft.y} + realized.ascent();

    // Where each glyph lands, and the part of all of them the clip lets
    // through.
    std::vector<PlacedGlyph> placed;
    Rect area;
    std::int64_t pen = topLeft.x;
    for (const char32_t character : decodeUtf8(text)) {
        PlacedGlyph next{realized.glyph(character), 0, 0};
        next.left = pen + next.glyph->left;
        next.top = baseline - next.glyph->top;
        pen += next.glyph->advance;
        const Rect visible =
            clipBox(next.left, next.top, next.left + next.glyph->width, next.top + next.glyph->height, clip_);
        if (!isEmpty(visible)) {
            area = unite(area, visible);
            placed.push_back(std::move(next));
        }
    }
    if (isEmpty(area)) {
        return;
    }

    const auto stride = static_cast<std::size_t>(area.width());
    std::vector<std::uint8_t> mask(stride * static_cast<std::size_t>(area.height()), 0);
    for (const PlacedGlyph& each : placed) {
        const Glyph& glyph = *each.glyph;
        const Rect box = clipBox(each.left, each.top, each.left + glyph.width, each.top + glyph.height, area);
        for (std::int32_t y = box.top; y < box.bottom; ++y) {
            const auto glyphRow = static_cast<std::size_t>(y - each.top);
            std::uint8_t* target = mask.data() + static_cast<std::size_t>(y - area.top) * stride;
            for (std::int32_t x = box.left; x < box.right; ++x) {
                const std::uint8_t amount =
                    glyph.solid ? std::uint8_t{255}
                                : glyph.coverage[glyphRow * static_cast<std::size_t>(glyph.width) +
                                                 static_cast<std::size_t>(x - each.left)];
                std::uint8_t& cell = target[static_cast<std::size_t>(x - area.left)];
                cell = over(cell, amount);
            }
        }
    }
    framebuffer_.blend(area, mask.data(), stride, pixelOf(pen_), clip_);
}

void SoftwareContext::drawBitmap(Point topLeft, const Bitmap& bitmap)
{
    framebuffer_.copy(topLeft, bitmap, clip_);
}

} // namespace platform::render
