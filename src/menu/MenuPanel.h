#pragma once

#include "menu/MenuItem.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Rect.h"

#include <cstdint>
#include <string>
#include <vector>

class MenuWindow;

// The menu as a whole: its entries and their rectangles, the look they share,
// the state of the pointer, and the message texts that launching shows.
class MenuPanel {
public:
    // The most entries a menu can have. A larger "NofItems=" is taken as this
    // many: such a column could not be shown anyway, and the entries must
    // fit in memory whatever the definition says.
    static constexpr std::int32_t maxItemCount = 1000;

    explicit MenuPanel(MenuWindow& owner);

    MenuWindow& owner() const { return owner_; }

    // Replaces all entries by `count` new, empty ones with zero rectangles.
    // A count of 0 or less leaves no entries (a negative count stays as the
    // item count, and every loop over the entries visits none).
    void allocateItems(std::int32_t count);
    std::int32_t itemCount() const { return itemCount_; }
    // The caller keeps 0 <= index < itemCount().
    MenuItem& item(std::int32_t index) { return items_[static_cast<std::size_t>(index)]; }
    const MenuItem& item(std::int32_t index) const { return items_[static_cast<std::size_t>(index)]; }
    const std::vector<platform::Rect>& itemRects() const { return itemRects_; }
    // Layout's: the caller keeps 0 <= index < itemCount().
    void setItemRect(std::int32_t index, const platform::Rect& rect) { itemRects_[static_cast<std::size_t>(index)] = rect; }

    std::int32_t lineSpacing() const { return lineSpacing_; }
    std::int32_t marginLeft() const { return marginLeft_; }
    std::int32_t marginRight() const { return marginRight_; }
    std::int32_t marginTop() const { return marginTop_; }
    std::int32_t marginBottom() const { return marginBottom_; }
    platform::Color colorText() const { return colorText_; }
    platform::Color colorEnter() const { return colorEnter_; }
    platform::Color colorClick() const { return colorClick_; }
    const platform::Font& font() const { return font_; }
    std::int32_t hoverIndex() const { return hoverIndex_; }
    std::uint32_t buttonDown() const { return buttonDown_; }
    // Pointer tracking's: the hover index is -1 or a valid index.
    void setHoverIndex(std::int32_t index) { hoverIndex_ = index; }
    void setButtonDown(std::uint32_t flags) { buttonDown_ = flags; }

    // The settings are stored as given, without any check.
    void setColorText(platform::Color color) { colorText_ = color; }
    void setColorEnter(platform::Color color) { colorEnter_ = color; }
    void setColorClick(platform::Color color) { colorClick_ = color; }
    void setFontSize(std::int32_t points) { font_.setPointSize(points); }
    void setFontFace(const std::string& face) { font_.setFace(face); }
    // Any non-zero value makes the font bold, zero makes it normal.
    void setFontBold(int bold) { font_.setWeight(bold ? platform::Font::boldWeight : platform::Font::normalWeight); }
    void setLineSpacing(std::int32_t pixels) { lineSpacing_ = pixels; }
    void setMarginLeft(std::int32_t pixels) { marginLeft_ = pixels; }
    void setMarginRight(std::int32_t pixels) { marginRight_ = pixels; }
    void setMarginTop(std::int32_t pixels) { marginTop_ = pixels; }
    void setMarginBottom(std::int32_t pixels) { marginBottom_ = pixels; }

    // Keeps references to the window's texts: the disc prompt, the launch
    // failure and the open failure. Later changes of them are seen here.
    void setMessages(const std::string& insertDisc, const std::string& launchFailed, const std::string& openFailed);
    const std::string* insertDiscMessage() const { return insertDiscMessage_; }
    const std::string* launchFailedMessage() const { return launchFailedMessage_; }
    const std::string* openFailedMessage() const { return openFailedMessage_; }

private:
    static platform::Font defaultFont();

    MenuWindow& owner_;
    std::int32_t itemCount_ = 0;
    std::int32_t lineSpacing_ = 10;
    std::int32_t marginRight_ = 13;
    std::int32_t marginLeft_ = 13;
    std::int32_t marginTop_ = 13;
    std::int32_t marginBottom_ = 13;
    std::uint32_t buttonDown_ = 0;
    std::vector<MenuItem> items_;
    std::vector<platform::Rect> itemRects_;
    platform::Color colorText_{255, 255, 255};
    platform::Color colorEnter_{0, 0, 255};
    platform::Color colorClick_{255, 0, 0};
    platform::Font font_;
    std::int32_t hoverIndex_ = -1;
    const std::string* insertDiscMessage_ = nullptr;
    const std::string* launchFailedMessage_ = nullptr;
    const std::string* openFailedMessage_ = nullptr;
};
