#pragma once

#include "platform/Point.h"
#include "platform/Saturate.h"
#include "platform/Size.h"

#include <cstdint>

namespace platform {

// Two corners: (left, top) is inside, (right, bottom) is just outside.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t width() const { return right - left; }
    std::int32_t height() const { return bottom - top; }
    Point topLeft() const { return {left, top}; }
    Size size() const { return {width(), height()}; }

    // The far corner is held at the 32-bit limits.
    static Rect fromPointAndSize(Point origin, Size size)
    {
        return {origin.x, origin.y, saturate(std::int64_t{origin.x} + size.width),
                saturate(std::int64_t{origin.y} + size.height)};
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace platform
