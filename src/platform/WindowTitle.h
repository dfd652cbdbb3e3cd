#pragma once

#include <string>

namespace platform {

class FrameWindow;

// The title of a frame window, made of an object text and a view text:
// "object - view" when both are set, the object text alone when the view
// text is empty, and nothing when the object text is empty. Every change
// that alters a text sets the frame's title bar at once.
class WindowTitle {
public:
    WindowTitle(FrameWindow& frame, std::string objectText, std::string viewText);

    const std::string& objectText() const { return objectText_; }
    const std::string& viewText() const { return viewText_; }
    std::string text() const;

    void setObjectText(const std::string& text);
    void setViewText(const std::string& text);

private:
    void update();

    FrameWindow& frame_;
    std::string objectText_;
    std::string viewText_;
};

} // namespace platform
