#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {

// Geometry is summed in 64 bits and held at the 32-bit limits, so absurd
// margins or spacing from a definition give huge numbers, not wrapped ones.
inline std::int32_t saturate(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace platform
