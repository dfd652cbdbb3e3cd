#include "platform/Font.h"

#include <algorithm>
#include <limits>

namespace platform {

std::int32_t Font::requestedHeight(std::int32_t points, std::int32_t dpi)
{
    const std::int64_t height = -((std::int64_t{points} * dpi + 36) / 72);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        height, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace platform
