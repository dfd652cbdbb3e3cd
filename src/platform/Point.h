#pragma once

#include <cstdint>

namespace platform {

// A position in whole pixels; y grows downwards.
struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

} // namespace platform
