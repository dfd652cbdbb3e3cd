#pragma once

#include "platform/GraphicsContext.h"

class MenuPanel;
class MenuWindow;

// Repaints the whole client area: the background colour over the fill
// rectangle, every entry in its rest colour, then the picture on top.
// Returns true: the event is handled.
bool paintMenu(MenuWindow& window, platform::GraphicsContext& context);

// Draws every entry in the rest colour with the panel's font, leaving the
// context's pen colour as it was.
void paintItems(const MenuPanel& panel, platform::GraphicsContext& context);
