#pragma once

#include "platform/Size.h"

#include <algorithm>
#include <cstdint>

namespace platform::render {

// A window may be as large as its definition makes it, but its pixels are
// kept for at most this much of it, from the top-left corner: no screen
// shows more, and an absurd definition must not exhaust the memory.
inline constexpr std::int32_t maxFramebufferSide = 4096;

inline Size framebufferSizeFor(Size client)
{
    return {std::clamp(client.width, 0, maxFramebufferSide), std::clamp(client.height, 0, maxFramebufferSide)};
}

} // namespace platform::render
