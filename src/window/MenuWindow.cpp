#include "window/MenuWindow.h"

#include "menu/DefinitionReader.h"
#include "platform/PictureLoader.h"

MenuWindow::MenuWindow(int identifier)
    : platform::FrameWindow(identifier)
    , panel_(*this)
    , title_(*this, defaultObjectTitle, defaultViewTitle)
    , messages_{defaultMessages[0], defaultMessages[1], defaultMessages[2]}
{
    readDefinition();
    panel_.setMessages(messages_[0], messages_[1], messages_[2]);
}

MenuWindow::~MenuWindow() = default;

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
