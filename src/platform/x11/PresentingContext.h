#pragma once

#include "platform/ForwardingContext.h"
#include "platform/render/SoftwareContext.h"
#include "platform/x11/X11Display.h"

namespace platform::x11 {

// Draws with the software renderer into a window's framebuffer and shows
// what it drew on the window when it is released, so a recoloured entry
// appears at once and nothing flickers.
class PresentingContext final : public ForwardingContext<render::SoftwareContext> {
public:
    PresentingContext(::Window window, render::Framebuffer& framebuffer, std::int32_t dpi)
        : ForwardingContext(framebuffer, dpi)
        , window_(window)
        , framebuffer_(framebuffer)
    {
    }
    ~PresentingContext() override { present(); }
    PresentingContext(const PresentingContext&) = delete;
    PresentingContext& operator=(const PresentingContext&) = delete;

    void present()
    {
        const Rect dirty = framebuffer_.dirty();
        framebuffer_.markPresented();
        X11Display::instance().present(window_, framebuffer_, dirty);
    }

private:
    ::Window window_;
    render::Framebuffer& framebuffer_;
};

} // namespace platform::x11
