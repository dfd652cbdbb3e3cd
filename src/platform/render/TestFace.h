#pragma once

#include "platform/render/RealizedFont.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform::render {

// A made-up face whose metrics the caller chooses, so that a layout can be
// checked, or a picture of a menu made, without depending on the fonts a
// machine has. Every font becomes this face, whatever its name and size:
// a line is ascent + descent high, a character advances by advance(c)
// (negative values count as 0; no function means 0), and every character
// but a blank (space, tab, no-break space) is drawn as a solid box as wide as
// its advance and as high as the line, its top-left at the pen's cell corner.
struct TestFace {
    std::int32_t ascent = 0;
    std::int32_t descent = 0;
    std::function<std::int32_t(char32_t)> advance;
};

// Makes every font realized from now on the test face, or with nothing,
// fonts from fontconfig and FreeType again. For tests and the preview's
// reproducible mode; contexts and metrics made before keep the font they
// have.
void useTestFace(std::optional<TestFace> face);

// The test face in use, if any.
const std::optional<TestFace>& activeTestFace();

// The test face as a font; `dpiY` only shows in its description.
std::shared_ptr<const RealizedFont> makeTestFont(const TestFace& face, std::int32_t dpiY);

} // namespace platform::render
