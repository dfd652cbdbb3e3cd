#pragma once

#include "platform/Color.h"
#include "platform/GraphicsContext.h"

#include <cstdint>

class MenuPanel;

// The entry column's answer to the pointer: the entry under it is drawn in
// the enter colour, in the click colour while the primary button alone is
// held, and releasing the button launches the highlighted entry. Entries are
// redrawn in place, straight onto the window.

// The pointer moved to (x, y) with the given button-and-key flags.
void trackPointer(MenuPanel& panel, std::int32_t x, std::int32_t y, std::uint32_t flags);

// The primary button went down.
void pressButton(MenuPanel& panel);

// The primary button went up: the highlighted entry, if any, is launched.
void releaseButton(MenuPanel& panel);

// Lets the context draw anywhere in the owner window's frame.
void clipToWindow(const MenuPanel& panel, platform::GraphicsContext& context);

// The index of the entry under (x, y), or -1. The left edge of an entry
// belongs to it; its top, bottom and right edges do not; the lowest index
// wins.
std::int32_t entryAt(const MenuPanel& panel, std::int32_t x, std::int32_t y);
