#pragma once

#include "platform/MessageBox.h"
#include "platform/render/Framebuffer.h"
#include "platform/x11/MessageBoxLayout.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform::x11 {

// What a box shows, its text already broken into lines.
struct BoxContent {
    std::vector<std::string> lines;
    MessageButtons buttons = MessageButtons::ok;
    MessageIcon icon = MessageIcon::stop;
};

// How a button looks: the focused one has a ring, the one under the pointer
// is lit, the one held down with the pointer on it is pushed.
struct ButtonLook {
    bool focused = false;
    bool hovered = false;
    bool pushed = false;

    friend bool operator==(const ButtonLook&, const ButtonLook&) = default;
};

// The colours of a box, 0x00RRGGBB.
namespace boxColours {
inline constexpr std::uint32_t message = 0xFFFFFF; // behind the icon and text
inline constexpr std::uint32_t band = 0xF0F0F0;    // behind the buttons
inline constexpr std::uint32_t separator = 0xDFDFDF;
inline constexpr std::uint32_t text = 0x1B1B1B;
} // namespace boxColours

// Paints the whole box into a framebuffer of its client size, text in the
// system's default font at `dpi`; `looks` has one entry a button.
void paintBox(render::Framebuffer& framebuffer, std::int32_t dpi, const BoxLayout& layout,
              const BoxContent& content, std::span<const ButtonLook> looks);

// Paints one button again, after its look changed.
void paintButton(render::Framebuffer& framebuffer, std::int32_t dpi, const Rect& area, std::string_view label,
                 ButtonLook look);

} // namespace platform::x11
