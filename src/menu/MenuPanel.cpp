#include "menu/MenuPanel.h"

#include <algorithm>

MenuPanel::MenuPanel(MenuWindow& owner)
    : owner_(owner)
    , font_(defaultFont())
{
}

platform::Font MenuPanel::defaultFont()
{
    platform::Font font = platform::Font::systemDefault();
    font.setFace("Helv");
    font.setWeight(platform::Font::boldWeight);
    font.setPointSize(10);
    return font;
}

void MenuPanel::allocateItems(std::int32_t count)
{
    itemCount_ = std::min(count, maxItemCount);
    const std::size_t size = itemCount_ > 0 ? static_cast<std::size_t>(itemCount_) : 0;
    items_.assign(size, MenuItem{});
    itemRects_.assign(size, platform::Rect{});
}

void MenuPanel::setMessages(const std::string& insertDisc, const std::string& launchFailed,
                            const std::string& openFailed)
{
    insertDiscMessage_ = &insertDisc;
    launchFailedMessage_ = &launchFailed;
    openFailedMessage_ = &openFailed;
}
