#pragma once

#include "platform/Size.h"

#include <cstdint>
#include <vector>

namespace platform {

// A decoded picture: width x height pixels, rows from the top, each pixel
// 0x00RRGGBB. Every backend draws from this form.
class Bitmap {
public:
    Bitmap(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return width_; }
    std::int32_t height() const { return height_; }
    Size size() const { return {width_, height_}; }

    std::uint32_t pixel(std::int32_t x, std::int32_t y) const { return pixels_[index(x, y)]; }
    void setPixel(std::int32_t x, std::int32_t y, std::uint32_t rgb) { pixels_[index(x, y)] = rgb; }

    const std::vector<std::uint32_t>& pixels() const { return pixels_; }
    std::vector<std::uint32_t>& pixels() { return pixels_; }

private:
    std::size_t index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    std::int32_t width_;
    std::int32_t height_;
    std::vector<std::uint32_t> pixels_;
};

} // namespace platform
