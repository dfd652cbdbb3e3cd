#pragma once

#include "platform/render/SoftwareContext.h"
#include "platform/x11/X11Display.h"

namespace platform::x11 {

// Draws with the software renderer into a window's framebuffer and shows
// what it drew on the window when it is released, so a recoloured entry
// appears at once and nothing flickers.
class PresentingContext final : public GraphicsContext {
public:
    PresentingContext(::Window window, render::Framebuffer& framebuffer, std::int32_t dpi)
        : window_(window)
        , framebuffer_(framebuffer)
        , drawing_(framebuffer, dpi)
    {
    }
    ~PresentingContext() override { present(); }
    PresentingContext(const PresentingContext&) = delete;
    PresentingContext& operator=(const PresentingContext&) = delete;

    void setClip(const Rect& clip) override { drawing_.setClip(clip); }
    Color penColor() const override { return drawing_.penColor(); }
    void setPenColor(Color color) override { drawing_.setPenColor(color); }
    void setFillColor(Color color) override { drawing_.setFillColor(color); }
    void setFont(const Font& font) override { drawing_.setFont(font); }
    void fillRect(const Rect& rect) override { drawing_.fillRect(rect); }
    void drawText(Point topLeft, const std::string& text) override { drawing_.drawText(topLeft, text); }
    void drawBitmap(Point topLeft, const Bitmap& bitmap) override { drawing_.drawBitmap(topLeft, bitmap); }

    void present()
    {
        const Rect dirty = framebuffer_.dirty();
        framebuffer_.markPresented();
        X11Display::instance().present(window_, framebuffer_, dirty);
    }

private:
    ::Window window_;
    render::Framebuffer& framebuffer_;
    render::SoftwareContext drawing_;
};

} // namespace platform::x11
