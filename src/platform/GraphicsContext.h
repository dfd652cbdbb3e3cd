#pragma once

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/Point.h"
#include "platform/Rect.h"

#include <string>

namespace platform {

// A drawing surface bound to a window, for one paint event or one
// recolouring. Text is drawn in the pen colour with a transparent
// background, its character cell's top-left corner at the given point.
class GraphicsContext {
public:
    virtual ~GraphicsContext() = default;

    // Nothing is drawn outside the clip rectangle.
    virtual void setClip(const Rect& clip) = 0;

    virtual Color penColor() const = 0;
    virtual void setPenColor(Color color) = 0;
    virtual void setFillColor(Color color) = 0;
    virtual void setFont(const Font& font) = 0;

    // Fills from left and top up to, not including, right and bottom with the
    // fill colour, and outlines the same area in the pen colour.
    virtual void fillRect(const Rect& rect) = 0;
    virtual void drawText(Point topLeft, const std::string& text) = 0;
    // Copies the bitmap's pixels unchanged.
    virtual void drawBitmap(Point topLeft, const Bitmap& bitmap) = 0;
};

} // namespace platform
