#include "window/ItemLayout.h"

#include "platform/Saturate.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view lineBreak = "\\n";

} // namespace

void splitLabel(MenuItem& item)
{
    const std::string_view label = item.label;
    item.lines.clear();
    std::size_t start = 0;
    for (std::size_t found = label.find(lineBreak); found != std::string_view::npos;
         found = label.find(lineBreak, start)) {
        item.lines.emplace_back(std::string(label.substr(start, found - start)));
        start = found + lineBreak.size();
    }
    item.lines.emplace_back(std::string(label.substr(start)));
    item.lineCount = static_cast<std::int32_t>(item.lines.size());
}

platform::Size measureItem(MenuItem& item, const platform::FontMetrics& metrics)
{
    splitLabel(item);
    std::int32_t width = 0;
    for (const platform::GraphicString& line : item.lines)
        width = std::max(width, metrics.textWidth(line.text()));
    return {width, platform::saturate(std::int64_t{metrics.lineHeight()} * item.lineCount)};
}

void measureItems(MenuPanel& panel, const platform::FontMetrics& metrics)
{
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        MenuItem& item = panel.item(i);
        item.font = &panel.font();
        const platform::Size size = measureItem(item, metrics);
        const platform::Rect old = panel.itemRects()[static_cast<std::size_t>(i)];
        panel.setItemRect(i, {old.left, old.top, platform::saturate(std::int64_t{old.left} + size.width),
                              platform::saturate(std::int64_t{old.top} + size.height)});
    }
}

platform::Size panelSize(const MenuPanel& panel)
{
    std::int64_t widest = 0;
    std::int64_t total = 0;
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        const platform::Rect& rect = panel.itemRects()[static_cast<std::size_t>(i)];
        widest = std::max<std::int64_t>(widest, std::int64_t{rect.right} - rect.left);
        total += std::int64_t{rect.bottom} - rect.top;
    }
    const std::int64_t width = widest + panel.marginRight() + panel.marginLeft();
    const std::int64_t height = total + (std::int64_t{panel.itemCount()} - 1) * panel.lineSpacing() +
                                panel.marginTop() + panel.marginBottom();
    return {platform::saturate(width), platform::saturate(height)};
}

void positionLines(MenuItem& item, platform::Point topLeft, std::int32_t lineHeight)
{
    for (std::size_t j = 0; j < item.lines.size(); ++j) {
        const std::int64_t y = topLeft.y + static_cast<std::int64_t>(j) * lineHeight;
        item.lines[j].moveTo({topLeft.x, platform::saturate(y)});
    }
}

void positionItems(MenuPanel& panel, std::int32_t xOffset, std::int32_t lineHeight)
{
    const std::int32_t x = platform::saturate(std::int64_t{xOffset} + panel.marginLeft());
    std::int64_t y = panel.marginTop();
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        const platform::Rect& old = panel.itemRects()[static_cast<std::size_t>(i)];
        const std::int64_t width = std::int64_t{old.right} - old.left;
        const std::int64_t height = std::int64_t{old.bottom} - old.top;
        const std::int32_t top = platform::saturate(y);
        positionLines(panel.item(i), {x, top}, lineHeight);
        panel.setItemRect(i, {x, top, platform::saturate(x + width), platform::saturate(top + height)});
        y += height + panel.lineSpacing();
    }
}
