#pragma once

#include "platform/Bitmap.h"
#include "platform/MessageBox.h"

#include <cstdint>

namespace platform::x11 {

// The icon of a message box, `size` x `size` pixels over the `background`
// colour (0x00RRGGBB), drawn from shapes with smoothed edges:
// - stop: a red disc with a white cross,
// - information: a blue disc with a white "i",
// - exclamation: a yellow triangle with a black "!".
// The shapes are laid out on a 32-pixel grid and scaled to the size.
Bitmap drawMessageIcon(MessageIcon icon, std::int32_t size, std::uint32_t background);

} // namespace platform::x11
