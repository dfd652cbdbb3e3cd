#pragma once

#include "platform/FontMetrics.h"

#include <ostream>

class MenuWindow;

// The environment variable that makes the menu tell how it laid itself out.
inline constexpr const char* layoutReportVariable = "AUTOPLAY_SHOW_LAYOUT";

// Writes the font the menu asked for and what it became, the window's
// geometry and every entry's rectangle, one fact a line, in the same form on
// every platform:
//
//   autoplay: font "Helv" 10 pt weight 700 at 96 dpi: height -13, line 15, <what the font became>
//   autoplay: client 320 x 300, frame 326 x 329 at (349, 219), fill (0, 0)-(320, 300)
//   autoplay: entry 1 (213, 13)-(261, 29) "Install"
void reportLayout(std::ostream& out, const MenuWindow& window, const platform::FontMetrics& metrics,
                  std::int32_t dpi);
