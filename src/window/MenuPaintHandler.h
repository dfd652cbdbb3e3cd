#pragma once

#include "platform/PaintHandler.h"

// Routes the paint events of the menu window to the menu's painting.
class MenuPaintHandler : public platform::PaintHandler {
public:
    bool paint(platform::PaintEvent& event) override;
};
