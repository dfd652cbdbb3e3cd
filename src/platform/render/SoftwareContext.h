#pragma once

#include "platform/GraphicsContext.h"
#include "platform/render/Framebuffer.h"
#include "platform/render/RealizedFont.h"

#include <cstdint>
#include <memory>

namespace platform::render {

// Draws into a Framebuffer the way the menu's Windows build draws with GDI.
// It starts with the whole framebuffer as clip, a black pen, a white fill
// and the system default font; fonts are sized at the vertical resolution
// given, as FontMetrics sizes them, so that measured and drawn text agree.
class SoftwareContext final : public GraphicsContext {
public:
    SoftwareContext(Framebuffer& framebuffer, std::int32_t dpiY);

    // Replaces the clip; whatever lies outside the framebuffer is cut off.
    void setClip(const Rect& clip) override;
    Rect clip() const { return clip_; }

    Color penColor() const override { return pen_; }
    void setPenColor(Color color) override { pen_ = color; }
    void setFillColor(Color color) override { fill_ = color; }
    void setFont(const Font& font) override;

    // The area in the fill colour, then its outermost pixels in the pen
    // colour.
    void fillRect(const Rect& rect) override;

    // UTF-8 text, its character cell's top-left at `topLeft`, so the baseline
    // lies the font's ascent lower. Characters follow each other by their
    // advances, without kerning, as FontMetrics::textWidth() measures them.
    //
    // The glyphs of one text are combined into one coverage mask first (each
    // laid over the ones before, as if painted one after the other), which is
    // then blended in the pen colour onto the framebuffer's base plane. Pixels
    // the text does not touch keep what they show.
    void drawText(Point topLeft, const std::string& text) override;

    void drawBitmap(Point topLeft, const Bitmap& bitmap) override;

private:
    const RealizedFont& font();

    Framebuffer& framebuffer_;
    std::int32_t dpiY_;
    Rect clip_;
    Color pen_{0, 0, 0};
    Color fill_{255, 255, 255};
    Font font_;
    std::shared_ptr<const RealizedFont> realized_;
};

} // namespace platform::render
