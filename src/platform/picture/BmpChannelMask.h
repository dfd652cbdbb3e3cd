#pragma once

#include "platform/picture/BmpLayout.h"

#include <cstdint>

namespace platform::picture {

// One colour channel of a 16- or 32-bit pixel: a run of bits of any width,
// scaled to 0..255 so that the channel's largest value becomes 255.
class BmpChannelMask {
public:
    // Raises BmpFormatError when the mask's bits are not one contiguous run.
    explicit BmpChannelMask(std::uint32_t mask);

    std::uint32_t eightBits(std::uint32_t pixel) const
    {
        if (maximum_ == 0)
            return 0;
        const std::uint64_t value = (pixel & mask_) >> shift_;
        return static_cast<std::uint32_t>((value * 255 + maximum_ / 2) / maximum_);
    }

private:
    std::uint32_t mask_;
    unsigned shift_;
    std::uint64_t maximum_;
};

// The three channels of a bit-field pixel, giving 0x00RRGGBB.
class BmpMaskedColour {
public:
    // Mask bits beyond the pixel's `bitsPerPixel` are dropped, as the pixel
    // has no such bits.
    BmpMaskedColour(const BmpColourMasks& masks, unsigned bitsPerPixel);

    std::uint32_t colour(std::uint32_t pixel) const
    {
        return red_.eightBits(pixel) << 16 | green_.eightBits(pixel) << 8 | blue_.eightBits(pixel);
    }

private:
    BmpChannelMask red_;
    BmpChannelMask green_;
    BmpChannelMask blue_;
};

} // namespace platform::picture
