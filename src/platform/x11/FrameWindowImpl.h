#pragma once

#include "platform/FrameWindow.h"
#include "platform/MouseHandler.h"
#include "platform/PaintHandler.h"
#include "platform/render/Framebuffer.h"
#include "platform/x11/X11Display.h"

#include <array>
#include <string>
#include <vector>

namespace platform {

// A frame window on the X server. Its client area is drawn into a
// framebuffer in memory and copied to the window, so nothing flickers and
// drawing outside paint events shows at once.
struct FrameWindow::Impl : x11::EventTarget {
    explicit Impl(FrameWindow& owner);
    ~Impl() override;

    void handleEvent(const XEvent& event) override;

    void onExpose(const XExposeEvent& event);
    void onButton(const XButtonEvent& event, bool pressed);
    void onMotion(const XMotionEvent& event);
    void setSizeHints();
    void takeFocus();
    // The window manager's frame around the client area: left, right, top,
    // bottom. Zero without a window manager.
    const std::array<long, 4>& frameExtents();
    bool readFrameExtents();

    FrameWindow& owner;
    x11::X11Display& x;
    ::Window window = 0;
    int identifier = 0;
    std::string titleText;
    Color frameBackground{255, 255, 255};
    Size client;
    Point position;
    bool visible = false;
    bool mapped = false;
    bool focusWanted = false;
    Rect exposed; // the area asked for by exposures not yet painted
    render::Framebuffer framebuffer{0, 0};

    // For telling double clicks: the last press of a button, where and when.
    unsigned int lastButton = 0;
    ::Time lastPressTime = 0;
    Point lastPressPosition;
    unsigned int pressedButton = 0;

    std::array<long, 4> extents{};
    bool extentsKnown = false;
};

} // namespace platform
