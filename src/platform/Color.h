#pragma once

#include <cstdint>

namespace platform {

// An RGB colour with three 8-bit components.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Color&, const Color&) = default;
};

} // namespace platform
