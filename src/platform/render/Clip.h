#pragma once

#include "platform/Rect.h"

#include <algorithm>
#include <cstdint>

namespace platform::render {

// Rectangle arithmetic for clipping. Coordinates that come from a definition
// file can be anywhere in 32 bits, so boxes are built and cut in 64 bits; what
// comes out lies within the rectangle cut against and so fits 32 bits again.
// An empty result is the zero rectangle.

inline bool isEmpty(const Rect& rect)
{
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

// The part of the box [left, right) x [top, bottom) inside `within`.
inline Rect clipBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, const Rect& within)
{
    const std::int64_t l = std::max<std::int64_t>(left, within.left);
    const std::int64_t t = std::max<std::int64_t>(top, within.top);
    const std::int64_t r = std::min<std::int64_t>(right, within.right);
    const std::int64_t b = std::min<std::int64_t>(bottom, within.bottom);
    if (r <= l || b <= t) {
        return {};
    }
    return {static_cast<std::int32_t>(l), static_cast<std::int32_t>(t), static_cast<std::int32_t>(r),
            static_cast<std::int32_t>(b)};
}

inline Rect intersection(const Rect& a, const Rect& b)
{
    return clipBox(a.left, a.top, a.right, a.bottom, b);
}

// The smallest rectangle holding both; an empty one adds nothing.
inline Rect unite(const Rect& a, const Rect& b)
{
    if (isEmpty(a)) {
        return isEmpty(b) ? Rect{} : b;
    }
    if (isEmpty(b)) {
        return a;
    }
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

} // namespace platform::render
