#include "platform/EventLoop.h"

#include "platform/FontMetrics.h"
#include "platform/x11/X11Display.h"

namespace platform {

void runEventLoop()
{
    x11::X11Display& x = x11::X11Display::instance();
    while (!x.quitRequested())
        x.dispatchNextEvent();
}

std::int32_t screenDpiY()
{
    return x11::X11Display::instance().dpiY();
}

} // namespace platform
