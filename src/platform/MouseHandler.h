#pragma once

#include "platform/Point.h"

#include <cstdint>

namespace platform {

class FrameWindow;

// The button-and-key flags that come with pointer events, with the values
// Windows gives them.
namespace mouseFlags {
inline constexpr std::uint32_t primary = 1;
inline constexpr std::uint32_t secondary = 2;
inline constexpr std::uint32_t shift = 4;
inline constexpr std::uint32_t control = 8;
inline constexpr std::uint32_t middle = 16;
} // namespace mouseFlags

enum class MouseButton { primary, secondary, middle };

// click is the platform's own event made from a down and an up.
enum class MouseAction { down, up, doubleClick, click };

struct MouseButtonEvent {
    FrameWindow& window;
    MouseButton button;
    MouseAction action;
    Point position; // in the window's client coordinates
    std::uint32_t flags;
};

struct MouseMoveEvent {
    FrameWindow& window;
    Point position; // in the window's client coordinates
    std::uint32_t flags;
};

// Receives the pointer events of the window it is attached to. Each callback
// answers whether it handled the event; the platform's default processing
// follows when it did not. The default implementations decline.
class MouseHandler {
public:
    virtual ~MouseHandler() = default;
    virtual bool button(const MouseButtonEvent&) { return false; }
    virtual bool move(const MouseMoveEvent&) { return false; }
    // Asked for the pointer's shape over the window; declining keeps the
    // window's own pointer.
    virtual bool setCursor() { return false; }
};

} // namespace platform
