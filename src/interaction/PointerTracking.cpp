#include "interaction/PointerTracking.h"

#include "interaction/ItemLaunch.h"
#include "menu/MenuPanel.h"
#include "window/MenuWindow.h"

#include <memory>

namespace {

// Only the primary button, with no other button and no key, draws the click
// colour while moving.
constexpr std::uint32_t primaryAlone = 1;

// A context on the panel's window, clipped to it, with the menu font.
std::unique_ptr<platform::GraphicsContext> openEntryContext(const MenuPanel& panel)
{
    std::unique_ptr<platform::GraphicsContext> context = panel.owner().openGraphics();
    clipToWindow(panel, *context);
    context->setFont(panel.font());
    return context;
}

void redrawEntry(const MenuPanel& panel, platform::GraphicsContext& context, std::int32_t index, platform::Color color)
{
    context.setPenColor(color);
    panel.item(index).drawLines(context);
}

} // namespace

std::int32_t entryAt(const MenuPanel& panel, std::int32_t x, std::int32_t y)
{
    if (panel.itemCount() <= 0 || x < panel.itemRects().front().left)
        return -1;
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        const platform::Rect& rect = panel.itemRects()[static_cast<std::size_t>(i)];
        if (x < rect.right && rect.top < y && y < rect.bottom)
            return i;
    }
    return -1;
}

void clipToWindow(const MenuPanel& panel, platform::GraphicsContext& context)
{
    const platform::Size frame = panel.owner().outerSize();
    context.setClip({0, 0, frame.width, frame.height});
}

void trackPointer(MenuPanel& panel, std::int32_t x, std::int32_t y, std::uint32_t flags)
{
    const std::unique_ptr<platform::GraphicsContext> context = openEntryContext(panel);
    const std::int32_t found = entryAt(panel, x, y);
    if (found >= 0) {
        panel.setButtonDown(flags);
        if (found == panel.hoverIndex())
            return;
        if (panel.hoverIndex() != -1)
            redrawEntry(panel, *context, panel.hoverIndex(), panel.colorText());
        panel.setHoverIndex(found);
        redrawEntry(panel, *context, found, panel.buttonDown() == primaryAlone ? panel.colorClick() : panel.colorEnter());
    } else if (panel.hoverIndex() != -1) {
        redrawEntry(panel, *context, panel.hoverIndex(), panel.colorText());
        panel.setHoverIndex(-1);
    }
}

void pressButton(MenuPanel& panel)
{
    panel.setButtonDown(1);
    if (panel.hoverIndex() == -1)
        return;
    const std::unique_ptr<platform::GraphicsContext> context = openEntryContext(panel);
    redrawEntry(panel, *context, panel.hoverIndex(), panel.colorClick());
}

void releaseButton(MenuPanel& panel)
{
    panel.setButtonDown(0);
    if (panel.hoverIndex() == -1)
        return;
    {
        // Released before the launch, which may show a message box for a
        // while, so that the entry is seen in its new colour meanwhile.
        const std::unique_ptr<platform::GraphicsContext> context = openEntryContext(panel);
        redrawEntry(panel, *context, panel.hoverIndex(), panel.colorEnter());
    }
    launchItem(panel, panel.item(panel.hoverIndex()));
}
