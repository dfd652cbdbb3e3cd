#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform::render {

// One character's picture, placed relative to the pen: the pen stands on
// the baseline at the left of the character cell.
struct Glyph {
    // How far the pen moves on, in whole pixels, never negative.
    std::int32_t advance = 0;
    // From the pen to the image's left column, and from the baseline up to
    // the image's top row.
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    // A solid glyph covers its whole image; otherwise `coverage` holds
    // width x height amounts (0..255), rows from the top.
    bool solid = false;
    std::vector<std::uint8_t> coverage;
};

// A font made real at a vertical resolution: its line metrics in pixels and
// its characters' advances and pictures. Fonts are made and used from the one
// thread that paints.
class RealizedFont {
public:
    virtual ~RealizedFont() = default;

    // Above and below the baseline; the character cell is ascent + descent
    // high, like the Windows text metric's tmAscent and tmDescent.
    virtual std::int32_t ascent() const = 0;
    virtual std::int32_t descent() const = 0;
    // Ascent plus descent, held at the largest 32-bit value.
    std::int32_t lineHeight() const;

    virtual std::int32_t advance(char32_t character) const = 0;
    virtual std::shared_ptr<const Glyph> glyph(char32_t character) const = 0;

    // What the font became, in one line for people and logs.
    virtual std::string describe() const = 0;

    // The sum of the advances of the UTF-8 text's characters, without
    // kerning; held at the largest 32-bit value.
    std::int32_t textWidth(std::string_view text) const;
};

} // namespace platform::render
