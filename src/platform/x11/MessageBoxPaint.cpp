#include "platform/x11/MessageBoxPaint.h"

#include "platform/Font.h"
#include "platform/FontMetrics.h"
#include "platform/render/SoftwareContext.h"
#include "platform/x11/MessageBoxIcon.h"

#include <algorithm>

namespace platform::x11 {

namespace {

struct ButtonColours {
    std::uint32_t face;
    std::uint32_t border;
};

ButtonColours coloursOf(ButtonLook look)
{
    if (look.pushed)
        return {0xCCE4F7, 0x005499};
    if (look.hovered)
        return {0xE5F1FB, 0x0078D7};
    if (look.focused)
        return {0xE1E1E1, 0x0078D7};
    return {0xE1E1E1, 0xADADAD};
}

Color colorOf(std::uint32_t rgb)
{
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

// A frame `thickness` pixels wide just inside `area`.
void frame(render::Framebuffer& framebuffer, const Rect& area, std::int32_t thickness, std::uint32_t rgb)
{
    framebuffer.fill({area.left, area.top, area.right, area.top + thickness}, rgb);
    framebuffer.fill({area.left, area.bottom - thickness, area.right, area.bottom}, rgb);
    framebuffer.fill({area.left, area.top, area.left + thickness, area.bottom}, rgb);
    framebuffer.fill({area.right - thickness, area.top, area.right, area.bottom}, rgb);
}

} // namespace

void paintButton(render::Framebuffer& framebuffer, std::int32_t dpi, const Rect& area, std::string_view label,
                 ButtonLook look)
{
    const ButtonColours colours = coloursOf(look);
    framebuffer.fill(area, colours.face);
    // The focus ring is the border drawn twice as thick.
    const std::int32_t border = look.focused ? std::max(2, scaled(2, dpi)) : std::max(1, scaled(1, dpi));
    frame(framebuffer, area, border, colours.border);

    const FontMetrics metrics(Font::systemDefault(), dpi);
    const std::string text(label);
    const Point at{area.left + (area.width() - metrics.textWidth(text)) / 2,
                   area.top + (area.height() - metrics.lineHeight()) / 2};
    render::SoftwareContext context(framebuffer, dpi);
    context.setClip(area);
    context.setFont(Font::systemDefault());
    context.setPenColor(colorOf(boxColours::text));
    context.drawText(at, text);
}

void paintBox(render::Framebuffer& framebuffer, std::int32_t dpi, const BoxLayout& layout,
              const BoxContent& content, std::span<const ButtonLook> looks)
{
    framebuffer.fill(framebuffer.bounds(), boxColours::band);
    framebuffer.fill(layout.messageArea, boxColours::message);
    framebuffer.fill({0, layout.messageArea.bottom, layout.client.width,
                      layout.messageArea.bottom + std::max(1, scaled(1, dpi))},
                     boxColours::separator);

    framebuffer.copy(layout.icon.topLeft(), drawMessageIcon(content.icon, layout.icon.width(), boxColours::message),
                     layout.messageArea);

    render::SoftwareContext text(framebuffer, dpi);
    text.setClip(layout.messageArea);
    text.setFont(Font::systemDefault());
    text.setPenColor(colorOf(boxColours::text));
    Point line = layout.text;
    for (std::size_t index = 0; index < layout.shownLines && index < content.lines.size(); ++index) {
        text.drawText(line, content.lines[index]);
        line.y += layout.lineHeight;
    }

    const std::span<const ButtonChoice> choices = buttonChoices(content.buttons);
    for (std::size_t index = 0; index < layout.buttons.size() && index < choices.size(); ++index) {
        paintButton(framebuffer, dpi, layout.buttons[index], choices[index].label,
                    index < looks.size() ? looks[index] : ButtonLook{});
    }
}

} // namespace platform::x11
