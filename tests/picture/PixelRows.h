#pragma once

// Compares decoded pictures row by row, in a form whose differences read
// well in a failure message.

#include "platform/Bitmap.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace bmp_test {

// Rows from the top, each pixel 0xRRGGBB.
using PixelRows = std::vector<std::vector<std::uint32_t>>;

inline constexpr std::uint32_t black = 0x000000;
inline constexpr std::uint32_t white = 0xffffff;
inline constexpr std::uint32_t red = 0xff0000;
inline constexpr std::uint32_t green = 0x00ff00;
inline constexpr std::uint32_t blue = 0x0000ff;
inline constexpr std::uint32_t yellow = 0xffff00;
inline constexpr std::uint32_t grey = 0x808080;

// One text per row, such as "ff0000 00ff00".
inline std::vector<std::string> describe(const PixelRows& rows)
{
    std::vector<std::string> texts;
    for (const auto& row : rows) {
        std::string text;
        for (const std::uint32_t pixel : row) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%06x", static_cast<unsigned>(pixel));
            text += (text.empty() ? "" : " ") + std::string(hex);
        }
        texts.push_back(text);
    }
    return texts;
}

inline PixelRows rowsOf(const platform::Bitmap& bitmap)
{
    PixelRows rows(static_cast<std::size_t>(bitmap.height()));
    for (std::int32_t y = 0; y < bitmap.height(); ++y) {
        for (std::int32_t x = 0; x < bitmap.width(); ++x)
            rows[static_cast<std::size_t>(y)].push_back(bitmap.pixel(x, y));
    }
    return rows;
}

inline std::vector<std::string> describe(const platform::Bitmap& bitmap)
{
    return describe(rowsOf(bitmap));
}

} // namespace bmp_test
