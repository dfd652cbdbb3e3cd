#pragma once

#include "platform/FrameWindow.h"
#include "platform/MouseHandler.h"
#include "platform/PaintHandler.h"
#include "platform/headless/Headless.h"
#include "platform/render/Framebuffer.h"

#include <string>
#include <vector>

namespace platform {

// A frame window of the headless desktop: its client area is a framebuffer
// in memory, and it keeps a record of the text drawn on it.
struct FrameWindow::Impl {
    int identifier = 0;
    std::string titleText;
    Color frameBackground{255, 255, 255};
    Rect client;
    headless::WindowState state;
    render::Framebuffer framebuffer{0, 0};
    std::vector<headless::DrawnText> drawnTexts;
    bool painting = false;

    // A context on the client area, clipped to `clip`, that records the text
    // it draws.
    std::unique_ptr<GraphicsContext> openContext(const Rect& clip);
};

} // namespace platform
