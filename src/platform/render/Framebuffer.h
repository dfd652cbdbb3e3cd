#pragma once

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Point.h"
#include "platform/Rect.h"
#include "platform/Size.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform::render {

// 0x00RRGGBB, the pixel form of Bitmap and of both planes below.
inline constexpr std::uint32_t pixelOf(Color color)
{
    return (std::uint32_t{color.red} << 16) | (std::uint32_t{color.green} << 8) | color.blue;
}

// `background` blended towards `pen` by `coverage` (0 = background,
// 255 = pen), channel by channel, rounded to nearest.
inline constexpr std::uint32_t blendPixel(std::uint32_t background, std::uint32_t pen, std::uint8_t coverage)
{
    const std::uint32_t a = coverage;
    std::uint32_t result = 0;
    for (const int shift : {16, 8, 0}) {
        const std::uint32_t b = (background >> shift) & 0xFFu;
        const std::uint32_t p = (pen >> shift) & 0xFFu;
        result |= ((b * (255 - a) + p * a + 127) / 255) << shift;
    }
    return result;
}

// The pixels of a window, drawn in memory: width x height pixels 0x00RRGGBB,
// rows from the top.
//
// It keeps two planes. Fills and pictures write both. Text is not painted
// over what the visible plane shows but blended onto the base plane: the
// visible pixel becomes blend(base, pen, coverage). So drawing a text again
// in another colour, as the menu does to highlight an entry, gives exactly
// the pixels of a fresh paint in that colour: the smoothed edges of the
// earlier drawing do not build up.
//
// Every operation is clipped to the framebuffer and to the rectangle it is
// given. The rectangle changed since the last presentation is kept as one
// union, for a window to copy to the screen.
class Framebuffer {
public:
    // Negative sizes are taken as 0. Both planes start as `rgb`.
    Framebuffer(std::int32_t width, std::int32_t height, std::uint32_t rgb = 0);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    Size size() const { return {width_, height_}; }
    Rect bounds() const { return {0, 0, width_, height_}; }

    // The pixel shown; 0 outside the framebuffer.
    std::uint32_t pixel(std::int32_t x, std::int32_t y) const;
    // The pixel under any text; 0 outside the framebuffer.
    std::uint32_t basePixel(std::int32_t x, std::int32_t y) const;

    // The planes, rows from the top, width() pixels a row.
    const std::vector<std::uint32_t>& visible() const { return visible_; }
    const std::vector<std::uint32_t>& base() const { return base_; }

    // Sets every pixel of `area` in both planes.
    void fill(const Rect& area, std::uint32_t rgb);

    // Copies the bitmap, its top-left pixel at `topLeft`, into both planes,
    // only where it falls inside `clip`.
    void copy(Point topLeft, const Bitmap& bitmap, const Rect& clip);

    // Blends a coverage mask in `rgb` onto the base plane, writing the
    // visible plane. The mask covers `area`, `stride` bytes a row, rows from
    // the top; only its pixels inside `clip` with a coverage above 0 change.
    void blend(const Rect& area, const std::uint8_t* coverage, std::size_t stride, std::uint32_t rgb,
               const Rect& clip);

    // The union of everything drawn since the last markPresented(); empty
    // when nothing was.
    Rect dirty() const { return dirty_; }
    void markDirty(const Rect& area);
    void markPresented() { dirty_ = {}; }

private:
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }
    bool contains(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    std::int32_t width_;
    std::int32_t height_;
    std::vector<std::uint32_t> base_;
    std::vector<std::uint32_t> visible_;
    Rect dirty_;
};

} // namespace platform::render
