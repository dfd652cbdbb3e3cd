#pragma once

#include "platform/Font.h"
#include "platform/GraphicString.h"
#include "platform/GraphicsContext.h"

#include <cstdint>
#include <string>
#include <vector>

// One entry of the menu: what the definition says of it, and the label lines
// that layout makes from its label.
struct MenuItem {
    const platform::Font* font = nullptr; // the panel's font, set when measured
    std::string label;                    // "\n" (backslash, n) breaks it into lines
    std::string action;                   // the program to start, or "exit"
    std::string exit;                     // "1" ends the menu after the start
    std::string dir;                      // working folder of the program
    std::string param;                    // the program's argument string
    std::string disk;                     // the disc the entry needs
    std::int32_t lineCount = 0;
    std::vector<platform::GraphicString> lines;

    // Draws every label line, the first one first, in the context's current
    // font and pen colour.
    void drawLines(platform::GraphicsContext& context) const;
};
