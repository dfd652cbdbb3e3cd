#pragma once

#include "platform/GraphicsContext.h"

#include <string>
#include <vector>

namespace testing_support {

// A graphics context that keeps a record of the text drawn into it.
class RecordingContext : public platform::GraphicsContext {
public:
    struct DrawnText {
        platform::Point at;
        std::string text;
        platform::Color pen;
    };

    void setClip(const platform::Rect& rect) override { clip = rect; }
    platform::Color penColor() const override { return pen; }
    void setPenColor(platform::Color color) override { pen = color; }
    void setFillColor(platform::Color color) override { fill = color; }
    void setFont(const platform::Font&) override {}
    void fillRect(const platform::Rect& rect) override { filled.push_back(rect); }
    void drawText(platform::Point at, const std::string& text) override { texts.push_back({at, text, pen}); }
    void drawBitmap(platform::Point, const platform::Bitmap&) override {}

    platform::Rect clip;
    platform::Color pen;
    platform::Color fill;
    std::vector<platform::Rect> filled;
    std::vector<DrawnText> texts;
};

} // namespace testing_support
