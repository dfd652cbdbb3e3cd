#pragma once

#include "platform/render/TestFace.h"

#include <utility>

namespace render_testing {

// Puts the test face in use for one test and real fonts back afterwards.
class ScopedTestFace {
public:
    explicit ScopedTestFace(platform::render::TestFace face) { platform::render::useTestFace(std::move(face)); }
    ~ScopedTestFace() { platform::render::useTestFace(std::nullopt); }
    ScopedTestFace(const ScopedTestFace&) = delete;
    ScopedTestFace& operator=(const ScopedTestFace&) = delete;
};

// Ascent 8, descent 2; 'W' advances 7, a blank 3, everything else 5.
inline platform::render::TestFace simpleFace()
{
    return {8, 2, [](char32_t c) { return c == U'W' ? 7 : c == U' ' ? 3 : 5; }};
}

} // namespace render_testing
