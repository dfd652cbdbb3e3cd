#include "platform/WindowTitle.h"

#include "platform/FrameWindow.h"

#include <utility>

namespace platform {

WindowTitle::WindowTitle(FrameWindow& frame, std::string objectText, std::string viewText)
    : frame_(frame)
    , objectText_(std::move(objectText))
    , viewText_(std::move(viewText))
{
    update();
}

std::string WindowTitle::text() const
{
    if (objectText_.empty())
        return {};
    if (viewText_.empty())
        return objectText_;
    return objectText_ + " - " + viewText_;
}

void WindowTitle::setObjectText(const std::string& text)
{
    if (text == objectText_)
        return;
    objectText_ = text;
    update();
}

void WindowTitle::setViewText(const std::string& text)
{
    if (text == viewText_)
        return;
    viewText_ = text;
    update();
}

void WindowTitle::update()
{
    frame_.setTitleText(text());
}

} // namespace platform
