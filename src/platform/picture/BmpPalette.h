#pragma once

#include "platform/picture/BmpBytes.h"
#include "platform/picture/BmpLayout.h"

#include <cstdint>
#include <vector>

namespace platform::picture {

// The colours that palette indices stand for, as 0x00RRGGBB.
class BmpPalette {
public:
    BmpPalette() = default;
    explicit BmpPalette(std::vector<std::uint32_t> colours);

    // An index past the palette's end shows black, as nothing says otherwise.
    std::uint32_t colour(std::uint32_t index) const { return index < colours_.size() ? colours_[index] : 0; }

private:
    std::vector<std::uint32_t> colours_;
};

// Reads the palette entries (blue, green, red, and a reserved byte unless the
// entries are 3 bytes long). The layout has checked that they are in the file.
BmpPalette readBmpPalette(const BmpBytes& file, const BmpPaletteLocation& location);

} // namespace platform::picture
