#include "menu/MenuItem.h"

void MenuItem::drawLines(platform::GraphicsContext& context) const
{
    for (const platform::GraphicString& line : lines)
        line.draw(context);
}
