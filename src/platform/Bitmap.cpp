#include "platform/Bitmap.h"

namespace platform {

Bitmap::Bitmap(std::int32_t width, std::int32_t height)
    : width_(width)
    , height_(height)
    , pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0)
{
}

} // namespace platform
