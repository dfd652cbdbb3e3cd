#pragma once

#include "platform/MouseHandler.h"
#include "platform/PaintHandler.h"

#include <vector>

namespace platform {

// The handlers attached to one window, and the passing of its events to
// them: in the order they were attached, until one says it handled the
// event. Every backend's windows keep their handlers here.
class WindowHandlers {
public:
    void attach(PaintHandler& handler) { paintHandlers_.push_back(&handler); }
    void detach(PaintHandler& handler) { std::erase(paintHandlers_, &handler); }
    void attach(MouseHandler& handler) { mouseHandlers_.push_back(&handler); }
    void detach(MouseHandler& handler) { std::erase(mouseHandlers_, &handler); }

    // Each answers whether a handler handled the event. A handler may attach
    // or detach handlers meanwhile; the event goes to those attached when it
    // arrived.
    bool paint(PaintEvent& event) const;
    bool button(const MouseButtonEvent& event) const;
    bool move(const MouseMoveEvent& event) const;

private:
    std::vector<PaintHandler*> paintHandlers_;
    std::vector<MouseHandler*> mouseHandlers_;
};

} // namespace platform
