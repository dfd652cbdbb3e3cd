#include "platform/FrameWindow.h"

#include "platform/headless/FrameWindowImpl.h"
#include "platform/headless/HeadlessSession.h"
#include "platform/headless/RecordingContext.h"
#include "platform/render/FramebufferLimits.h"

#include "platform/Saturate.h"

#include <algorithm>

namespace platform {

std::unique_ptr<GraphicsContext> FrameWindow::Impl::openContext(const Rect& clip)
{
    auto context = std::make_unique<headless::RecordingContext>(
        framebuffer, headless::HeadlessSession::instance().dpi, drawnTexts, painting);
    context->setClip(clip);
    return context;
}

FrameWindow::FrameWindow(int identifier)
    : impl_(std::make_unique<Impl>())
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
    impl_->client = client;
    const Size kept = render::framebufferSizeFor(clientSize());
    impl_->framebuffer = render::Framebuffer(kept.width, kept.height, render::pixelOf(impl_->frameBackground));
}

Size FrameWindow::clientSize() const
{
    const Rect& client = impl_->client;
    return {saturate(std::int64_t{client.right} - client.left), saturate(std::int64_t{client.bottom} - client.top)};
}

Size FrameWindow::outerSize() const
{
    const Size client = clientSize();
    return {saturate(std::int64_t{client.width} + 2 * headless::frameBorder),
            saturate(std::int64_t{client.height} + headless::frameTop + headless::frameBorder)};
}

Point FrameWindow::position() const
{
    return {saturate(std::int64_t{impl_->client.left} - headless::frameBorder),
            saturate(std::int64_t{impl_->client.top} - headless::frameTop)};
}

void FrameWindow::moveTo(Point topLeft)
{
    const Point client{saturate(std::int64_t{topLeft.x} + headless::frameBorder),
                       saturate(std::int64_t{topLeft.y} + headless::frameTop)};
    impl_->client = Rect::fromPointAndSize(client, clientSize());
}

Size FrameWindow::desktopSize()
{
    return headless::HeadlessSession::instance().screenSize;
}

void FrameWindow::setFocus()
{
    impl_->state.focused = true;
}

void FrameWindow::show()
{
    impl_->state.visible = true;
}

bool FrameWindow::isVisible() const
{
    return impl_->state.visible;
}

void FrameWindow::refresh()
{
    ++impl_->state.refreshCount;
    impl_->framebuffer.fill(impl_->framebuffer.bounds(), render::pixelOf(impl_->frameBackground));
}


std::unique_ptr<GraphicsContext> FrameWindow::openGraphics()
{
    return impl_->openContext(impl_->framebuffer.bounds());
}

} // namespace platform
