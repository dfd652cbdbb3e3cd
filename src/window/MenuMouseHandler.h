#pragma once

#include "platform/MouseHandler.h"

class MenuWindow;

// Routes the pointer events of the menu window to the menu's pointer
// tracking. Both callbacks leave the event to the platform's default
// processing as well.
class MenuMouseHandler : public platform::MouseHandler {
public:
    explicit MenuMouseHandler(MenuWindow& window)
        : window_(window)
    {
    }

    bool button(const platform::MouseButtonEvent& event) override;
    bool move(const platform::MouseMoveEvent& event) override;

private:
    MenuWindow& window_;
};
