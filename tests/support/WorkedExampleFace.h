#pragma once

#include "platform/headless/Headless.h"

namespace testing_support {

// A face of known measures: lines 16 pixels high (ascent 12, descent 4);
// "I" 6 wide, "R" 9, "m" 11, every other character 7. So "Install" is 48
// wide, "Read" 30 and "me first" 60.
inline void useWorkedExampleFace()
{
    platform::headless::useTestFace(12, 4, [](char32_t c) {
        switch (c) {
        case U'I':
            return 6;
        case U'R':
            return 9;
        case U'm':
            return 11;
        default:
            return 7;
        }
    });
}

} // namespace testing_support
