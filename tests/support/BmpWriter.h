#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

// A 24-bit bottom-up Windows bitmap of one colour, as file bytes.
inline std::string solidBmp(std::int32_t width, std::int32_t height, std::uint32_t rgb)
{
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
    const std::uint32_t imageBytes = rowBytes * static_cast<std::uint32_t>(height);
    std::string out;
    const auto put = [&out](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    out += "BM";
    put(14 + 40 + imageBytes, 4);
    put(0, 4);
    put(14 + 40, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(imageBytes, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x)
            put(rgb & 0xFFFFFF, 3); // blue, green, red in file order
        for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
            out += '\0';
    }
    return out;
}

} // namespace testing_support
