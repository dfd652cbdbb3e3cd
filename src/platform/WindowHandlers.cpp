#include "platform/WindowHandlers.h"

namespace platform {

bool WindowHandlers::paint(PaintEvent& event) const
{
    for (PaintHandler* handler : std::vector<PaintHandler*>(paintHandlers_)) {
        if (handler->paint(event))
            return true;
    }
    return false;
}

bool WindowHandlers::button(const MouseButtonEvent& event) const
{
    for (MouseHandler* handler : std::vector<MouseHandler*>(mouseHandlers_)) {
        if (handler->button(event))
            return true;
    }
    return false;
}

bool WindowHandlers::move(const MouseMoveEvent& event) const
{
    for (MouseHandler* handler : std::vector<MouseHandler*>(mouseHandlers_)) {
        if (handler->move(event))
            return true;
    }
    return false;
}

} // namespace platform
