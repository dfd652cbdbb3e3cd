#include "window/MenuPaintHandler.h"

#include "window/MenuPainting.h"
#include "window/MenuWindow.h"

bool MenuPaintHandler::paint(platform::PaintEvent& event)
{
    auto* window = dynamic_cast<MenuWindow*>(&event.window);
    if (!window)
        return false;
    return paintMenu(*window, event.context);
}
