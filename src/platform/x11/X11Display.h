#pragma once

#include "platform/Rect.h"
#include "platform/Size.h"
#include "platform/render/Framebuffer.h"

#include <X11/Xlib.h>

#include <cstdint>
#include <map>
#include <string>

namespace platform::x11 {

// Something that owns an X window and handles its events.
class EventTarget {
public:
    virtual ~EventTarget() = default;
    virtual void handleEvent(const XEvent& event) = 0;
};

// The one connection to the X server, opened on first use from $DISPLAY,
// with what every window of the program shares: atoms, the visual, the
// screen's resolution, and the table that routes events to their windows.
class X11Display {
public:
    // Raises PlatformError when no X server can be reached.
    static X11Display& instance();

    ::Display* display() const { return display_; }
    int screen() const { return screen_; }
    ::Window root() const { return root_; }
    ::Visual* visual() const { return visual_; }
    int depth() const { return depth_; }

    ::Atom atom(const char* name);

    // The screen's size in pixels and its vertical resolution: Xft.dpi when
    // the server's resources set it, else 96.
    Size screenSize() const;
    std::int32_t dpiY() const { return dpiY_; }

    // Copies `area` of the framebuffer's visible plane to the same place in
    // the window.
    void present(::Window window, const render::Framebuffer& framebuffer, const Rect& area);

    // Events of a window go to its target.
    void addTarget(::Window window, EventTarget& target);
    void removeTarget(::Window window);

    // Reads and routes one event, waiting for it.
    void dispatchNextEvent();

    // While a modal window is set, pointer and key events and close requests
    // of every other window are dropped; paint and structure events still go
    // through.
    ::Window modalWindow() const { return modalWindow_; }
    void setModalWindow(::Window window) { modalWindow_ = window; }

    // Set when the user closes a frame window; ends the event loop.
    bool quitRequested() const { return quitRequested_; }
    void requestQuit() { quitRequested_ = true; }

    // True when the window and all its ancestors are mapped.
    bool isViewable(::Window window) const;

    // Raises the window and gives it the input focus, asking the window
    // manager to make it the active window; `current` is the window of ours
    // that has the focus now, if any. False, doing nothing, while the window
    // is not viewable yet (focus given then would be an error).
    bool activate(::Window window, ::Window current = 0);

    // True when a window manager that follows the desktop conventions runs.
    bool hasWindowManager();

    // Sets a text property as UTF-8, as _NET_WM_NAME and friends are.
    void setUtf8Property(::Window window, const char* property, const std::string& text);

    // The pixel value of a colour 0x00RRGGBB in the window's visual.
    unsigned long pixelOf(std::uint32_t rgb) const;

private:
    X11Display();
    ~X11Display();
    std::int32_t readDpi() const;
    bool isInput(const XEvent& event) const;

    ::Display* display_ = nullptr;
    int screen_ = 0;
    ::Window root_ = 0;
    ::Visual* visual_ = nullptr;
    int depth_ = 0;
    ::GC gc_ = nullptr;
    std::int32_t dpiY_ = 96;
    std::map<std::string, ::Atom> atoms_;
    std::map<::Window, EventTarget*> targets_;
    ::Window modalWindow_ = 0;
    bool quitRequested_ = false;
};

} // namespace platform::x11
