#include "platform/FrameWindow.h"

#include "platform/PlatformError.h"
#include "platform/Saturate.h"
#include "platform/render/Clip.h"
#include "platform/render/FramebufferLimits.h"
#include "platform/x11/FrameWindowImpl.h"
#include "platform/x11/PresentingContext.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <unistd.h>
#include <optional>

namespace platform {

namespace {

// X sizes are 16-bit and never 0.
unsigned int xSize(std::int32_t size)
{
    return static_cast<unsigned int>(std::clamp(size, 1, 32767));
}

int xPosition(std::int32_t position)
{
    return std::clamp(position, -32768, 32767);
}

// Windows-style button-and-key flags from an X key-and-button state.
std::uint32_t flagsOf(unsigned int state)
{
    std::uint32_t flags = 0;
    if (state & Button1Mask)
        flags |= mouseFlags::primary;
    if (state & Button3Mask)
        flags |= mouseFlags::secondary;
    if (state & ShiftMask)
        flags |= mouseFlags::shift;
    if (state & ControlMask)
        flags |= mouseFlags::control;
    if (state & Button2Mask)
        flags |= mouseFlags::middle;
    return flags;
}

std::optional<MouseButton> buttonOf(unsigned int button)
{
    switch (button) {
    case Button1:
        return MouseButton::primary;
    case Button2:
        return MouseButton::middle;
    case Button3:
        return MouseButton::secondary;
    default:
        return std::nullopt; // wheels and extra buttons
    }
}

unsigned int maskOf(unsigned int button)
{
    switch (button) {
    case Button1:
        return Button1Mask;
    case Button2:
        return Button2Mask;
    case Button3:
        return Button3Mask;
    default:
        return 0;
    }
}

// As Windows tells a double click: the same button pressed again within half
// a second and a few pixels.
constexpr ::Time doubleClickTime = 500;
constexpr std::int32_t doubleClickDistance = 4;

// Motif hints: a title, a system menu and a minimise box; moving, minimising
// and closing, but no resizing and no maximising.
struct MotifHints {
    unsigned long flags;
    unsigned long functions;
    unsigned long decorations;
    long inputMode;
    unsigned long status;
};

} // namespace

FrameWindow::Impl::Impl(FrameWindow& frame)
    : owner(frame)
    , x(x11::X11Display::instance())
{
    XSetWindowAttributes attributes{};
    attributes.background_pixmap = None; // the framebuffer paints everything
    attributes.bit_gravity = NorthWestGravity;
    attributes.event_mask = ExposureMask | PointerMotionMask | ButtonPressMask | ButtonReleaseMask |
                            StructureNotifyMask | FocusChangeMask;
    window = ::XCreateWindow(x.display(), x.root(), 0, 0, 1, 1, 0, x.depth(), InputOutput, x.visual(),
                             CWBackPixmap | CWBitGravity | CWEventMask, &attributes);
    if (!window)
        throw PlatformError("Cannot create the menu window");
    x.addTarget(window, *this);

    XClassHint classHint{const_cast<char*>("autoplay"), const_cast<char*>("AutoplayMenu")};
    ::XSetClassHint(x.display(), window, &classHint);
    ::Atom deleteWindow = x.atom("WM_DELETE_WINDOW");
    ::XSetWMProtocols(x.display(), window, &deleteWindow, 1);
    const MotifHints hints{1 | 2, 1 << 2 | 1 << 3 | 1 << 5, 1 << 1 | 1 << 3 | 1 << 4 | 1 << 5, 0, 0};
    ::XChangeProperty(x.display(), window, x.atom("_MOTIF_WM_HINTS"), x.atom("_MOTIF_WM_HINTS"), 32,
                      PropModeReplace, reinterpret_cast<const unsigned char*>(&hints), 5);
    ::Atom normal = x.atom("_NET_WM_WINDOW_TYPE_NORMAL");
    ::XChangeProperty(x.display(), window, x.atom("_NET_WM_WINDOW_TYPE"), XA_ATOM, 32, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(&normal), 1);
    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = True;
    wmHints.initial_state = NormalState;
    ::XSetWMHints(x.display(), window, &wmHints);
}

FrameWindow::Impl::~Impl()
{
    x.removeTarget(window);
    ::XDestroyWindow(x.display(), window);
    ::XFlush(x.display());
}

void FrameWindow::Impl::setSizeHints()
{
    XSizeHints* hints = ::XAllocSizeHints();
    if (!hints)
        return;
    hints->flags = PMinSize | PMaxSize | PPosition | USPosition | PWinGravity;
    hints->min_width = hints->max_width = static_cast<int>(xSize(client.width));
    hints->min_height = hints->max_height = static_cast<int>(xSize(client.height));
    hints->x = xPosition(position.x);
    hints->y = xPosition(position.y);
    hints->win_gravity = NorthWestGravity;
    ::XSetWMNormalHints(x.display(), window, hints);
    ::XFree(hints);
}

bool FrameWindow::Impl::readFrameExtents()
{
    ::Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = ::XGetWindowProperty(x.display(), window, x.atom("_NET_FRAME_EXTENTS"), 0, 4, False,
                                            XA_CARDINAL, &type, &format, &count, &remaining, &data);
    const bool found = status == Success && type == XA_CARDINAL && format == 32 && count == 4 && data;
    if (found) {
        const long* values = reinterpret_cast<const long*>(data);
        for (std::size_t i = 0; i < 4; ++i)
            extents[i] = std::clamp(values[i], 0L, 1000L);
    }
    if (data)
        ::XFree(data);
    return found;
}

// A window manager that follows the desktop conventions tells its frame's
// size when asked, even before the window is shown; without one there is no
// frame. Asked once, and waited for a moment at most.
const std::array<long, 4>& FrameWindow::Impl::frameExtents()
{
    if (extentsKnown)
        return extents;
    extentsKnown = true;
    if (readFrameExtents() || !x.hasWindowManager())
        return extents;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = x.atom("_NET_REQUEST_FRAME_EXTENTS");
    request.xclient.format = 32;
    ::XSendEvent(x.display(), x.root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    for (int attempt = 0; attempt < 20; ++attempt) {
        ::XSync(x.display(), False);
        if (readFrameExtents())
            break;
        ::usleep(10000);
    }
    return extents;
}

// Focus can be given only once the window is viewable: asked for before, it
// is given when the window is first exposed.
void FrameWindow::Impl::takeFocus()
{
    if (focusWanted && x.activate(window))
        focusWanted = false;
}

void FrameWindow::Impl::handleEvent(const XEvent& event)
{
    switch (event.type) {
    case Expose:
        onExpose(event.xexpose);
        break;
    case ButtonPress:
    case ButtonRelease:
        onButton(event.xbutton, event.type == ButtonPress);
        break;
    case MotionNotify:
        onMotion(event.xmotion);
        break;
    case MapNotify:
        mapped = true;
        takeFocus();
        break;
    case UnmapNotify:
        mapped = false;
        break;
    case ClientMessage:
        if (static_cast<::Atom>(event.xclient.data.l[0]) == x.atom("WM_DELETE_WINDOW"))
            x.requestQuit();
        break;
    default:
        break;
    }
}

// Exposures come in runs; the window is painted once the last of a run has
// arrived, with the union of their areas as the area that needs it.
void FrameWindow::Impl::onExpose(const XExposeEvent& event)
{
    takeFocus();
    exposed = render::unite(exposed, {event.x, event.y, event.x + event.width, event.y + event.height});
    if (event.count > 0)
        return;
    x11::PresentingContext context(window, framebuffer, x.dpiY());
    context.setClip(exposed);
    PaintEvent paint{owner, context};
    owner.handlers().paint(paint);
    // Whatever was asked for is shown, painted anew or not.
    framebuffer.markDirty(exposed);
    exposed = {};
}

void FrameWindow::Impl::onButton(const XButtonEvent& event, bool pressed)
{
    const std::optional<MouseButton> button = buttonOf(event.button);
    if (!button)
        return;
    const Point at{event.x, event.y};
    MouseAction action = pressed ? MouseAction::down : MouseAction::up;
    if (pressed) {
        const bool again = event.button == lastButton && event.time - lastPressTime <= doubleClickTime &&
                           std::abs(at.x - lastPressPosition.x) <= doubleClickDistance &&
                           std::abs(at.y - lastPressPosition.y) <= doubleClickDistance;
        if (again) {
            action = MouseAction::doubleClick;
            lastButton = 0; // a third press starts over
        } else {
            lastButton = event.button;
            lastPressTime = event.time;
            lastPressPosition = at;
        }
    }
    // The flags tell the state after the event, as Windows gives them.
    const unsigned int state = pressed ? event.state | maskOf(event.button) : event.state & ~maskOf(event.button);
    owner.handlers().button({owner, *button, action, at, flagsOf(state)});
    // A press and a release of the same button also make a click.
    if (!pressed && pressedButton == event.button)
        owner.handlers().button({owner, *button, MouseAction::click, at, flagsOf(state)});
    pressedButton = pressed ? event.button : 0;
}

void FrameWindow::Impl::onMotion(const XMotionEvent& event)
{
    owner.handlers().move({owner, {event.x, event.y}, flagsOf(event.state)});
}

FrameWindow::FrameWindow(int identifier)
    : impl_(std::make_unique<Impl>(*this))
{
    impl_->identifier = identifier;
}

FrameWindow::~FrameWindow() = default;

int FrameWindow::identifier() const
{
    return impl_->identifier;
}

const std::string& FrameWindow::titleText() const
{
    return impl_->titleText;
}

void FrameWindow::setTitleText(const std::string& text)
{
    impl_->titleText = text;
    x11::X11Display& x = impl_->x;
    x.setUtf8Property(impl_->window, "_NET_WM_NAME", text);
    x.setUtf8Property(impl_->window, "WM_NAME", text);
    x.setUtf8Property(impl_->window, "WM_ICON_NAME", text);
    x.setUtf8Property(impl_->window, "_NET_WM_ICON_NAME", text);
}

Color FrameWindow::frameBackgroundColor() const
{
    return impl_->frameBackground;
}

void FrameWindow::setFrameBackgroundColor(Color color)
{
    impl_->frameBackground = color;
}

void FrameWindow::setClientRect(const Rect& client)
{
    impl_->client = {saturate(std::int64_t{client.right} - client.left),
                     saturate(std::int64_t{client.bottom} - client.top)};
    impl_->position = client.topLeft();
    const Size kept = render::framebufferSizeFor(impl_->client);
    impl_->framebuffer = render::Framebuffer(kept.width, kept.height, render::pixelOf(impl_->frameBackground));
    impl_->setSizeHints();
    ::XMoveResizeWindow(impl_->x.display(), impl_->window, xPosition(client.left), xPosition(client.top),
                        xSize(impl_->client.width), xSize(impl_->client.height));
}

Size FrameWindow::clientSize() const
{
    return impl_->client;
}

// The frame's decorations belong to the window manager.
Size FrameWindow::outerSize() const
{
    const std::array<long, 4>& extents = impl_->frameExtents();
    return {saturate(std::int64_t{impl_->client.width} + extents[0] + extents[1]),
            saturate(std::int64_t{impl_->client.height} + extents[2] + extents[3])};
}

Point FrameWindow::position() const
{
    return impl_->position;
}

void FrameWindow::moveTo(Point topLeft)
{
    impl_->position = topLeft;
    impl_->setSizeHints();
    ::XMoveWindow(impl_->x.display(), impl_->window, xPosition(topLeft.x), xPosition(topLeft.y));
}

Size FrameWindow::desktopSize()
{
    return x11::X11Display::instance().screenSize();
}

void FrameWindow::setFocus()
{
    impl_->focusWanted = true;
    impl_->takeFocus();
}

void FrameWindow::show()
{
    impl_->visible = true;
    ::XMapRaised(impl_->x.display(), impl_->window);
    ::XFlush(impl_->x.display());
}

bool FrameWindow::isVisible() const
{
    return impl_->visible;
}

void FrameWindow::refresh()
{
    Impl& impl = *impl_;
    impl.framebuffer.fill(impl.framebuffer.bounds(), render::pixelOf(impl.frameBackground));
    impl.framebuffer.markPresented();
    if (impl.mapped)
        impl.x.present(impl.window, impl.framebuffer, impl.framebuffer.bounds());
    ::XClearArea(impl.x.display(), impl.window, 0, 0, 0, 0, True); // asks for a paint event
    ::XFlush(impl.x.display());
}


std::unique_ptr<GraphicsContext> FrameWindow::openGraphics()
{
    return std::make_unique<x11::PresentingContext>(impl_->window, impl_->framebuffer, impl_->x.dpiY());
}

} // namespace platform
