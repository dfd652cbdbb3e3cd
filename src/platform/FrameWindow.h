#pragma once

#include "platform/Color.h"
#include "platform/GraphicsContext.h"
#include "platform/Point.h"
#include "platform/Rect.h"
#include "platform/Size.h"
#include "platform/WindowHandlers.h"

#include <memory>
#include <string>

namespace platform {

// A top-level window with a title bar, a system menu and a minimise box, of
// a size the user cannot change. It is not visible until shown.
class FrameWindow {
public:
    explicit FrameWindow(int identifier);
    virtual ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    int identifier() const;

    const std::string& titleText() const;
    void setTitleText(const std::string& text);

    // The window's own background colour, which the platform erases with.
    Color frameBackgroundColor() const;
    void setFrameBackgroundColor(Color color);

    // Moves and sizes the frame so that its client area is exactly `client`,
    // given in screen coordinates.
    void setClientRect(const Rect& client);
    Size clientSize() const;
    // The size of the whole frame, title bar and borders included.
    Size outerSize() const;
    // The frame's top-left corner on the screen.
    Point position() const;
    // Places the frame's top-left corner, keeping its size.
    void moveTo(Point topLeft);

    // The size of the screen (the desktop window's outer size).
    static Size desktopSize();

    // Makes the window the foreground window with the input focus.
    void setFocus();
    void show();
    bool isVisible() const;
    // Invalidates the whole window and erases its background with the
    // frame's colour at once; the repaint follows as a paint event.
    void refresh();

    void attach(PaintHandler& handler) { handlers_.attach(handler); }
    void detach(PaintHandler& handler) { handlers_.detach(handler); }
    void attach(MouseHandler& handler) { handlers_.attach(handler); }
    void detach(MouseHandler& handler) { handlers_.detach(handler); }
    // The backend passes the window's events to them.
    const WindowHandlers& handlers() const { return handlers_; }

    // A context that draws straight onto the window, outside paint events.
    std::unique_ptr<GraphicsContext> openGraphics();

    struct Impl;
    Impl& impl() { return *impl_; }

private:
    WindowHandlers handlers_;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
