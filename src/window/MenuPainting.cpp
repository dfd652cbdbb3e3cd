#include "window/MenuPainting.h"

#include "window/MenuWindow.h"

bool paintMenu(MenuWindow& window, platform::GraphicsContext& context)
{
    const platform::Size frame = window.outerSize();
    context.setClip({0, 0, frame.width, frame.height});
    context.setFillColor(window.backgroundColor());
    context.setPenColor(window.backgroundColor());
    context.fillRect(window.fillRect());
    paintItems(window.panel(), context);
    if (const platform::Bitmap* picture = window.backgroundBitmap())
        context.drawBitmap({0, 0}, *picture);
    return true;
}

void paintItems(const MenuPanel& panel, platform::GraphicsContext& context)
{
    const platform::Color pen = context.penColor();
    context.setPenColor(panel.colorText());
    context.setFont(panel.font());
    for (std::int32_t i = 0; i < panel.itemCount(); ++i)
        panel.item(i).drawLines(context);
    context.setPenColor(pen);
}
