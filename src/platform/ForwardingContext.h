#pragma once

#include "platform/GraphicsContext.h"

namespace platform {

// A graphics context that passes every call on to another one, for backends
// that add something around drawing (a record of it, showing it on screen)
// by overriding only what they add to.
template <typename Inner>
class ForwardingContext : public GraphicsContext {
public:
    template <typename... Arguments>
    explicit ForwardingContext(Arguments&&... arguments)
        : inner_(std::forward<Arguments>(arguments)...)
    {
    }

    void setClip(const Rect& clip) override { inner_.setClip(clip); }
    Color penColor() const override { return inner_.penColor(); }
    void setPenColor(Color color) override { inner_.setPenColor(color); }
    void setFillColor(Color color) override { inner_.setFillColor(color); }
    void setFont(const Font& font) override { inner_.setFont(font); }
    void fillRect(const Rect& rect) override { inner_.fillRect(rect); }
    void drawText(Point topLeft, const std::string& text) override { inner_.drawText(topLeft, text); }
    void drawBitmap(Point topLeft, const Bitmap& bitmap) override { inner_.drawBitmap(topLeft, bitmap); }

protected:
    Inner& inner() { return inner_; }

private:
    Inner inner_;
};

} // namespace platform
