#include "platform/FrameWindow.h"

namespace platform {

struct FrameWindow::Impl {
    int identifier = 0;
    std::string titleText;
    Color backgroundColor{255, 255, 255};
};

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
    return impl_->backgroundColor;
}

void FrameWindow::setFrameBackgroundColor(Color color)
{
    impl_->backgroundColor = color;
}

} // namespace platform
