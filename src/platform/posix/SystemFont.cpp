#include "platform/Font.h"

namespace platform {

// The desktop's sans face at the usual dialog size. Its face name is replaced
// by the menu before anything is drawn; an unknown face falls back to it.
Font Font::systemDefault()
{
    Font font;
    font.face_ = "Sans";
    font.pointSize_ = 10;
    font.weight_ = normalWeight;
    return font;
}

} // namespace platform
