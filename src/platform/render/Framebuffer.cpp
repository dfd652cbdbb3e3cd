#include "platform/render/Framebuffer.h"

#include "platform/render/Clip.h"

#include <algorithm>

namespace platform::render {

Framebuffer::Framebuffer(std::int32_t width, std::int32_t height, std::uint32_t rgb)
    : width_(std::max(width, 0))
    , height_(std::max(height, 0))
    , base_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), rgb)
    , visible_(base_)
{
}

std::uint32_t Framebuffer::pixel(std::int32_t x, std::int32_t y) const
{
    return contains(x, y) ? visible_[index(x, y)] : 0;
}

std::uint32_t Framebuffer::basePixel(std::int32_t x, std::int32_t y) const
{
    return contains(x, y) ? base_[index(x, y)] : 0;
}

void Framebuffer::fill(const Rect& area, std::uint32_t rgb)
{
    const Rect box = intersection(area, bounds());
    if (isEmpty(box)) {
        return;
    }
    for (std::int32_t y = box.top; y < box.bottom; ++y) {
        const std::size_t from = index(box.left, y);
        const std::size_t to = from + static_cast<std::size_t>(box.width());
        std::fill(base_.begin() + static_cast<std::ptrdiff_t>(from), base_.begin() + static_cast<std::ptrdiff_t>(to),
                  rgb);
        std::fill(visible_.begin() + static_cast<std::ptrdiff_t>(from),
                  visible_.begin() + static_cast<std::ptrdiff_t>(to), rgb);
    }
    markDirty(box);
}

void Framebuffer::copy(Point topLeft, const Bitmap& bitmap, const Rect& clip)
{
    const Rect box = clipBox(topLeft.x, topLeft.y, std::int64_t{topLeft.x} + bitmap.width(),
                             std::int64_t{topLeft.y} + bitmap.height(), intersection(clip, bounds()));
    if (isEmpty(box)) {
        return;
    }
    // Inside the box the offsets into the bitmap lie in 0..width and 0..height.
    const auto sourceLeft = static_cast<std::int32_t>(std::int64_t{box.left} - topLeft.x);
    for (std::int32_t y = box.top; y < box.bottom; ++y) {
        const auto sourceY = static_cast<std::int32_t>(std::int64_t{y} - topLeft.y);
        for (std::int32_t x = box.left; x < box.right; ++x) {
            const std::uint32_t rgb = bitmap.pixel(sourceLeft + (x - box.left), sourceY);
            base_[index(x, y)] = rgb;
            visible_[index(x, y)] = rgb;
        }
    }
    markDirty(box);
}

void Framebuffer::blend(const Rect& area, const std::uint8_t* coverage, std::size_t stride, std::uint32_t rgb,
                        const Rect& clip)
{
    const Rect box = intersection(area, intersection(clip, bounds()));
    if (isEmpty(box) || coverage == nullptr) {
        return;
    }
    for (std::int32_t y = box.top; y < box.bottom; ++y) {
        const std::uint8_t* row = coverage + static_cast<std::size_t>(std::int64_t{y} - area.top) * stride;
        for (std::int32_t x = box.left; x < box.right; ++x) {
            const std::uint8_t amount = row[static_cast<std::size_t>(std::int64_t{x} - area.left)];
            if (amount != 0) {
                visible_[index(x, y)] = blendPixel(base_[index(x, y)], rgb, amount);
            }
        }
    }
    markDirty(box);
}

void Framebuffer::markDirty(const Rect& area)
{
    dirty_ = unite(dirty_, intersection(area, bounds()));
}

} // namespace platform::render
