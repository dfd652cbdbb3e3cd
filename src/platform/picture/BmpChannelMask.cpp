#include "platform/picture/BmpChannelMask.h"

#include "platform/picture/BmpFormatError.h"

#include <bit>
#include <cstdio>
#include <string>

namespace platform::picture {

namespace {

std::string hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::uint32_t pixelBits(unsigned bitsPerPixel)
{
    return bitsPerPixel >= 32 ? 0xffffffffu : (std::uint32_t{1} << bitsPerPixel) - 1;
}

} // namespace

BmpChannelMask::BmpChannelMask(std::uint32_t mask)
    : mask_(mask)
    , shift_(mask == 0 ? 0 : static_cast<unsigned>(std::countr_zero(mask)))
    , maximum_(mask >> shift_)
{
    // A contiguous run shifted down is of the form 0...01...1.
    const std::uint32_t run = mask >> shift_;
    if ((run & (run + 1)) != 0)
        throw BmpFormatError("the colour mask " + hex(mask) + " is not one run of bits");
}

BmpMaskedColour::BmpMaskedColour(const BmpColourMasks& masks, unsigned bitsPerPixel)
    : red_(masks.red & pixelBits(bitsPerPixel))
    , green_(masks.green & pixelBits(bitsPerPixel))
    , blue_(masks.blue & pixelBits(bitsPerPixel))
{
}

} // namespace platform::picture
