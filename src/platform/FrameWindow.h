#pragma once

#include "platform/Color.h"

#include <memory>
#include <string>

namespace platform {

// A top-level window with a title bar, a system menu and a minimise box, of
// a size the user cannot change. It is not visible until shown.
class FrameWindow {
public:
    explicit FrameWindow(int identifier);
    virtual ~FrameWindow();
    FrameWindow(const FrameWindow&) = delete;
    FrameWindow& operator=(const FrameWindow&) = delete;

    int identifier() const;

    const std::string& titleText() const;
    void setTitleText(const std::string& text);

    // The window's own background colour, which the platform erases with.
    Color frameBackgroundColor() const;
    void setFrameBackgroundColor(Color color);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
