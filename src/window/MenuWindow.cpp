#include "window/MenuWindow.h"

#include "menu/DefinitionReader.h"
#include "platform/FontMetrics.h"
#include "platform/PictureLoader.h"
#include "window/ItemLayout.h"
#include "window/LayoutReport.h"
#include "platform/Saturate.h"

#include <algorithm>
#include <cstdlib>
#include <iostream>

MenuWindow::MenuWindow(int identifier)
    : platform::FrameWindow(identifier)
    , panel_(*this)
    , mouseHandler_(*this)
    , title_(*this, defaultObjectTitle, defaultViewTitle)
    , messages_{defaultMessages[0], defaultMessages[1], defaultMessages[2]}
{
    attach(paintHandler_);
    attach(mouseHandler_);
    readDefinition();
    panel_.setMessages(messages_[0], messages_[1], messages_[2]);
    layOut();
    setFocus();
    show();
    refresh();
}

MenuWindow::~MenuWindow()
{
    detach(paintHandler_);
    detach(mouseHandler_);
}

void MenuWindow::layOut()
{
    const std::int32_t dpi = platform::screenDpiY();
    const platform::FontMetrics metrics(panel_.font(), dpi);
    measureItems(panel_, metrics);
    const platform::Size size = contentSize();
    setClientRect({0, 0, size.width, size.height});
    centreOnScreen();
    fillRect_ = {0, 0, size.width, size.height};

    const std::int32_t pictureWidth = backgroundBitmap_ ? backgroundBitmap_->width() : 0;
    positionItems(panel_, pictureWidth, metrics.lineHeight());
    if (backgroundBitmap_ && backgroundBitmap_->height() > panelSize(panel_).height)
        fillRect_ = platform::Rect::fromPointAndSize({pictureWidth, 0}, size);

    const char* report = std::getenv(layoutReportVariable);
    if (report && *report)
        reportLayout(std::cerr, *this, metrics, dpi);
}

// Division truncates toward zero, so a frame 11 pixels wider than the screen
// starts at x = -5.
void MenuWindow::centreOnScreen()
{
    const platform::Size screen = desktopSize();
    const platform::Size frame = outerSize();
    moveTo({platform::saturate((std::int64_t{screen.width} - frame.width) / 2),
            platform::saturate((std::int64_t{screen.height} - frame.height) / 2)});
}

platform::Size MenuWindow::contentSize() const
{
    const platform::Size column = panelSize(panel_);
    const platform::Size picture = backgroundBitmap_ ? backgroundBitmap_->size() : platform::Size{};
    return {platform::saturate(std::int64_t{column.width} + picture.width), std::max(column.height, picture.height)};
}

void MenuWindow::setBackgroundColor(platform::Color color)
{
    backgroundColor_ = color;
    setFrameBackgroundColor(color);
}

const std::string& MenuWindow::message(int number) const
{
    return messages_.at(static_cast<std::size_t>(number - 1));
}

void MenuWindow::setMessage(int number, const std::string& text)
{
    messages_.at(static_cast<std::size_t>(number - 1)) = text;
}

void MenuWindow::setBackground(const std::string& path)
{
    backgroundBitmap_.reset();
    backgroundBitmap_ = platform::loadPicture(path);
}

void MenuWindow::readDefinition()
{
    DefinitionReader(*this).read();
}
