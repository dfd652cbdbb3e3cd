#pragma once

namespace platform {

class FrameWindow;
class GraphicsContext;

// A window's area needs painting. The context draws on the window; the
// platform clips it to the area that needs repainting until told otherwise.
struct PaintEvent {
    FrameWindow& window;
    GraphicsContext& context;
};

// Receives the paint events of the window it is attached to.
class PaintHandler {
public:
    virtual ~PaintHandler() = default;
    // True when the event was handled.
    virtual bool paint(PaintEvent& event) = 0;
};

} // namespace platform
