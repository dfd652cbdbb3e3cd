#include "platform/picture/BmpPalette.h"

#include <utility>

namespace platform::picture {

BmpPalette::BmpPalette(std::vector<std::uint32_t> colours)
    : colours_(std::move(colours))
{
}

BmpPalette readBmpPalette(const BmpBytes& file, const BmpPaletteLocation& location)
{
    const auto entries = file.slice(location.offset, location.entries * location.entrySize);
    std::vector<std::uint32_t> colours;
    colours.reserve(static_cast<std::size_t>(location.entries));
    for (std::size_t at = 0; at < entries.size(); at += static_cast<std::size_t>(location.entrySize)) {
        const std::uint32_t blue = entries[at];
        const std::uint32_t green = entries[at + 1];
        const std::uint32_t red = entries[at + 2];
        colours.push_back(red << 16 | green << 8 | blue);
    }
    return BmpPalette(std::move(colours));
}

} // namespace platform::picture
