#include "platform/x11/X11Display.h"

#include "platform/PlatformError.h"

#include <X11/Xatom.h>
#include <X11/Xresource.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace platform::x11 {

namespace {

int lowestBit(unsigned long mask)
{
    int shift = 0;
    while (mask && !(mask & 1)) {
        mask >>= 1;
        ++shift;
    }
    return shift;
}

// A request that fails (focus given to a window the window manager has not
// shown yet, a window gone meanwhile) must not end the menu, as Xlib's own
// handler would: it is told on standard error and otherwise passed over.
int reportError(::Display* display, XErrorEvent* error)
{
    char text[256] = {};
    ::XGetErrorText(display, error->error_code, text, sizeof text);
    std::fprintf(stderr, "autoplay: X request %d failed: %s\n", error->request_code, text);
    return 0;
}

} // namespace

X11Display& X11Display::instance()
{
    static X11Display connection;
    return connection;
}

X11Display::X11Display()
{
    display_ = ::XOpenDisplay(nullptr);
    if (!display_) {
        const char* name = std::getenv("DISPLAY");
        throw PlatformError(std::string("Cannot open the display \"") + (name ? name : "") + "\"");
    }
    ::XSetErrorHandler(reportError);
    screen_ = DefaultScreen(display_);
    root_ = RootWindow(display_, screen_);
    visual_ = DefaultVisual(display_, screen_);
    depth_ = DefaultDepth(display_, screen_);
    gc_ = ::XCreateGC(display_, root_, 0, nullptr);
    atom("WM_DELETE_WINDOW");
    dpiY_ = readDpi();
}

X11Display::~X11Display()
{
    if (gc_)
        ::XFreeGC(display_, gc_);
    if (display_)
        ::XCloseDisplay(display_);
}

std::int32_t X11Display::readDpi() const
{
    ::XrmInitialize();
    const char* resources = ::XResourceManagerString(display_);
    if (!resources)
        return 96;
    ::XrmDatabase database = ::XrmGetStringDatabase(resources);
    if (!database)
        return 96;
    char* type = nullptr;
    ::XrmValue value{};
    std::int32_t dpi = 96;
    if (::XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
        const double read = std::atof(value.addr);
        if (read >= 24 && read <= 960)
            dpi = static_cast<std::int32_t>(std::lround(read));
    }
    ::XrmDestroyDatabase(database);
    return dpi;
}

::Atom X11Display::atom(const char* name)
{
    const auto found = atoms_.find(name);
    if (found != atoms_.end())
        return found->second;
    const ::Atom atom = ::XInternAtom(display_, name, False);
    atoms_[name] = atom;
    return atom;
}

Size X11Display::screenSize() const
{
    return {DisplayWidth(display_, screen_), DisplayHeight(display_, screen_)};
}

unsigned long X11Display::pixelOf(std::uint32_t rgb) const
{
    const auto channel = [](std::uint32_t value, unsigned long mask) {
        // Scale 8 bits to the mask's width, then move into place.
        unsigned long width = 0;
        for (unsigned long m = mask >> lowestBit(mask); m & 1; m >>= 1)
            ++width;
        const unsigned long scaled = width >= 8 ? value << (width - 8) : value >> (8 - width);
        return (scaled << lowestBit(mask)) & mask;
    };
    return channel((rgb >> 16) & 0xFF, visual_->red_mask) | channel((rgb >> 8) & 0xFF, visual_->green_mask) |
           channel(rgb & 0xFF, visual_->blue_mask);
}

void X11Display::present(::Window window, const render::Framebuffer& framebuffer, const Rect& area)
{
    const Rect clipped{std::max(area.left, 0), std::max(area.top, 0), std::min(area.right, framebuffer.width()),
                       std::min(area.bottom, framebuffer.height())};
    if (clipped.right <= clipped.left || clipped.bottom <= clipped.top)
        return;
    const bool native = depth_ >= 24 && visual_->red_mask == 0xFF0000 && visual_->green_mask == 0x00FF00 &&
                        visual_->blue_mask == 0x0000FF;
    std::vector<std::uint32_t> converted;
    const std::vector<std::uint32_t>* pixels = &framebuffer.visible();
    if (!native) {
        converted.reserve(pixels->size());
        for (std::uint32_t rgb : *pixels)
            converted.push_back(static_cast<std::uint32_t>(pixelOf(rgb)));
        pixels = &converted;
    }
    XImage image{};
    image.width = framebuffer.width();
    image.height = framebuffer.height();
    image.format = ZPixmap;
    image.data = reinterpret_cast<char*>(const_cast<std::uint32_t*>(pixels->data()));
    image.byte_order = LSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = LSBFirst;
    image.bitmap_pad = 32;
    image.depth = depth_;
    image.bytes_per_line = framebuffer.width() * 4;
    image.bits_per_pixel = 32;
    image.red_mask = visual_->red_mask;
    image.green_mask = visual_->green_mask;
    image.blue_mask = visual_->blue_mask;
    if (!::XInitImage(&image))
        return;
    ::XPutImage(display_, window, gc_, &image, clipped.left, clipped.top, clipped.left, clipped.top,
                static_cast<unsigned>(clipped.width()), static_cast<unsigned>(clipped.height()));
    ::XFlush(display_);
}

void X11Display::addTarget(::Window window, EventTarget& target)
{
    targets_[window] = &target;
}

void X11Display::removeTarget(::Window window)
{
    targets_.erase(window);
    if (modalWindow_ == window)
        modalWindow_ = 0;
}

bool X11Display::isInput(const XEvent& event) const
{
    switch (event.type) {
    case ButtonPress:
    case ButtonRelease:
    case MotionNotify:
    case KeyPress:
    case KeyRelease:
        return true;
    case ClientMessage: // a close request is the user's too
        return static_cast<::Atom>(event.xclient.data.l[0]) == atoms_.at("WM_DELETE_WINDOW");
    default:
        return false;
    }
}

void X11Display::dispatchNextEvent()
{
    XEvent event;
    ::XNextEvent(display_, &event);
    if (modalWindow_ && isInput(event) && event.xany.window != modalWindow_)
        return;
    const auto target = targets_.find(event.xany.window);
    if (target != targets_.end())
        target->second->handleEvent(event);
}

bool X11Display::isViewable(::Window window) const
{
    XWindowAttributes attributes{};
    return ::XGetWindowAttributes(display_, window, &attributes) && attributes.map_state == IsViewable;
}

bool X11Display::activate(::Window window, ::Window current)
{
    if (!isViewable(window))
        return false;
    ::XRaiseWindow(display_, window);
    ::XSetInputFocus(display_, window, RevertToParent, CurrentTime);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = atom("_NET_ACTIVE_WINDOW");
    request.xclient.format = 32;
    request.xclient.data.l[0] = 1; // asked by an application
    request.xclient.data.l[1] = CurrentTime;
    request.xclient.data.l[2] = static_cast<long>(current);
    ::XSendEvent(display_, root_, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    ::XFlush(display_);
    return true;
}

bool X11Display::hasWindowManager()
{
    ::Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = ::XGetWindowProperty(display_, root_, atom("_NET_SUPPORTING_WM_CHECK"), 0, 1, False,
                                            XA_WINDOW, &type, &format, &count, &remaining, &data);
    const bool found = status == Success && type == XA_WINDOW && count == 1;
    if (data)
        ::XFree(data);
    return found;
}

void X11Display::setUtf8Property(::Window window, const char* property, const std::string& text)
{
    ::XChangeProperty(display_, window, atom(property), atom("UTF8_STRING"), 8, PropModeReplace,
                      reinterpret_cast<const unsigned char*>(text.data()), static_cast<int>(text.size()));
}

} // namespace platform::x11
