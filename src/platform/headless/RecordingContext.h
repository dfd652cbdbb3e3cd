#pragma once

#include "platform/headless/Headless.h"
#include "platform/render/SoftwareContext.h"

#include <vector>

namespace platform::headless {

// Draws with the software renderer and writes down every text it draws.
class RecordingContext final : public GraphicsContext {
public:
    RecordingContext(render::Framebuffer& framebuffer, std::int32_t dpi, std::vector<DrawnText>& record,
                     bool inPaintEvent)
        : drawing_(framebuffer, dpi)
        , record_(record)
        , inPaintEvent_(inPaintEvent)
    {
    }

    void setClip(const Rect& clip) override { drawing_.setClip(clip); }
    Color penColor() const override { return drawing_.penColor(); }
    void setPenColor(Color color) override { drawing_.setPenColor(color); }
    void setFillColor(Color color) override { drawing_.setFillColor(color); }
    void setFont(const Font& font) override { drawing_.setFont(font); }
    void fillRect(const Rect& rect) override { drawing_.fillRect(rect); }
    void drawBitmap(Point topLeft, const Bitmap& bitmap) override { drawing_.drawBitmap(topLeft, bitmap); }

    void drawText(Point topLeft, const std::string& text) override
    {
        record_.push_back({topLeft, text, penColor(), inPaintEvent_});
        drawing_.drawText(topLeft, text);
    }

private:
    render::SoftwareContext drawing_;
    std::vector<DrawnText>& record_;
    bool inPaintEvent_;
};

} // namespace platform::headless
