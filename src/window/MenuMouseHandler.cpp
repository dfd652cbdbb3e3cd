#include "window/MenuMouseHandler.h"

#include "interaction/PointerTracking.h"
#include "window/MenuWindow.h"

// Only the primary button's own down and up act; double clicks and the
// platform's made-up clicks do nothing.
bool MenuMouseHandler::button(const platform::MouseButtonEvent& event)
{
    if (event.button != platform::MouseButton::primary)
        return false;
    if (event.action == platform::MouseAction::down)
        pressButton(window_.panel());
    else if (event.action == platform::MouseAction::up)
        releaseButton(window_.panel());
    return false;
}

bool MenuMouseHandler::move(const platform::MouseMoveEvent& event)
{
    trackPointer(window_.panel(), event.position.x, event.position.y, event.flags);
    return false;
}
