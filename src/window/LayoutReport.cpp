#include "window/LayoutReport.h"

#include "window/MenuWindow.h"

namespace {

std::ostream& operator<<(std::ostream& out, const platform::Rect& rect)
{
    return out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom << ")";
}

} // namespace

void reportLayout(std::ostream& out, const MenuWindow& window, const platform::FontMetrics& metrics, std::int32_t dpi)
{
    const MenuPanel& panel = window.panel();
    const platform::Font& font = panel.font();
    out << "autoplay: font \"" << font.face() << "\" " << font.pointSize() << " pt weight " << font.weight() << " at "
        << dpi << " dpi: height " << platform::Font::requestedHeight(font.pointSize(), dpi) << ", line "
        << metrics.lineHeight() << ", " << metrics.describe() << "\n";
    const platform::Size client = window.clientSize();
    const platform::Size frame = window.outerSize();
    const platform::Point at = window.position();
    out << "autoplay: client " << client.width << " x " << client.height << ", frame " << frame.width << " x "
        << frame.height << " at (" << at.x << ", " << at.y << "), fill " << window.fillRect() << "\n";
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        out << "autoplay: entry " << i + 1 << " " << panel.itemRects()[static_cast<std::size_t>(i)] << " \""
            << panel.item(i).label << "\"\n";
    }
    out.flush();
}
