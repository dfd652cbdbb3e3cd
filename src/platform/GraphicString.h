#pragma once

#include "platform/GraphicsContext.h"
#include "platform/Point.h"

#include <string>

namespace platform {

// A text with the position at which it is drawn. It has no font or colour of
// its own: it draws with whatever the graphics context currently has.
class GraphicString {
public:
    explicit GraphicString(std::string text, Point position = {})
        : text_(std::move(text))
        , position_(position)
    {
    }

    const std::string& text() const { return text_; }
    Point position() const { return position_; }
    void moveTo(Point position) { position_ = position; }

    void draw(GraphicsContext& context) const { context.drawText(position_, text_); }

private:
    std::string text_;
    Point position_;
};

} // namespace platform
