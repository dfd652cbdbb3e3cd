#pragma once

#include "platform/Font.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// A font made real at a vertical resolution, with the two measures the menu
// lays its entries out by.
class FontMetrics {
public:
    FontMetrics(const Font& font, std::int32_t dpiY);
    ~FontMetrics();
    FontMetrics(const FontMetrics&);
    FontMetrics& operator=(const FontMetrics&);

    // The height of one text line: ascent plus descent, as the Windows text
    // metric's tmHeight.
    std::int32_t lineHeight() const;

    // The width of a text: the sum of its characters' advances, blanks
    // included, without kerning. An empty text has width 0.
    std::int32_t textWidth(std::string_view text) const;

    // What the font became, in one line for people: the face found, its
    // weight and its pixel size.
    std::string describe() const;

private:
    struct Impl;
    std::shared_ptr<const Impl> impl_;
};

// The screen's vertical resolution in pixels per inch.
std::int32_t screenDpiY();

} // namespace platform
