// The headless desktop's events, as tests and the preview tool send them.

#include "platform/EventLoop.h"
#include "platform/FontMetrics.h"
#include "platform/headless/FrameWindowImpl.h"
#include "platform/headless/HeadlessSession.h"
#include "platform/render/TestFace.h"

namespace platform {

void runEventLoop()
{
    auto& events = headless::HeadlessSession::instance().events;
    while (!events.empty()) {
        std::function<void()> event = std::move(events.front());
        events.pop_front();
        event();
    }
}

std::int32_t screenDpiY()
{
    return headless::HeadlessSession::instance().dpi;
}

} // namespace platform

namespace platform::headless {

void setScreenSize(Size size)
{
    HeadlessSession::instance().screenSize = size;
}

void setScreenDpi(std::int32_t dpi)
{
    HeadlessSession::instance().dpi = dpi;
}

void queueEvent(std::function<void()> event)
{
    HeadlessSession::instance().events.push_back(std::move(event));
}

void paint(FrameWindow& window, const Rect& invalid)
{
    FrameWindow::Impl& impl = window.impl();
    impl.painting = true;
    const Rect clip = invalid.width() > 0 && invalid.height() > 0 ? invalid : impl.framebuffer.bounds();
    const std::unique_ptr<GraphicsContext> context = impl.openContext(clip);
    PaintEvent event{window, *context};
    window.handlers().paint(event);
    impl.painting = false;
}

void movePointer(FrameWindow& window, Point position, std::uint32_t flags)
{
    window.handlers().move({window, position, flags});
}

void sendButton(FrameWindow& window, MouseButton button, MouseAction action, Point position, std::uint32_t flags)
{
    window.handlers().button({window, button, action, position, flags});
}

Bitmap clientPixels(FrameWindow& window)
{
    const render::Framebuffer& framebuffer = window.impl().framebuffer;
    Bitmap bitmap(framebuffer.width(), framebuffer.height());
    bitmap.pixels() = framebuffer.visible();
    return bitmap;
}

const std::vector<DrawnText>& drawnTexts(FrameWindow& window)
{
    return window.impl().drawnTexts;
}

void forgetDrawnTexts(FrameWindow& window)
{
    window.impl().drawnTexts.clear();
}

WindowState windowState(FrameWindow& window)
{
    return window.impl().state;
}

} // namespace platform::headless

namespace platform::headless {

void useTestFace(std::int32_t ascent, std::int32_t descent, std::function<std::int32_t(char32_t)> advance)
{
    if (!advance) {
        render::useTestFace(std::nullopt);
        return;
    }
    render::useTestFace(render::TestFace{ascent, descent, std::move(advance)});
}

} // namespace platform::headless
