#include "platform/render/RealizedFont.h"

#include "platform/render/Utf8.h"

#include <algorithm>
#include <limits>

namespace platform::render {

std::int32_t RealizedFont::lineHeight() const
{
    const std::int64_t height = std::int64_t{ascent()} + descent();
    return static_cast<std::int32_t>(std::min<std::int64_t>(height, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t RealizedFont::textWidth(std::string_view text) const
{
    constexpr std::int64_t largest = std::numeric_limits<std::int32_t>::max();
    std::int64_t width = 0;
    for (const char32_t character : decodeUtf8(text)) {
        width = std::min(width + advance(character), largest);
    }
    return static_cast<std::int32_t>(width);
}

} // namespace platform::render
