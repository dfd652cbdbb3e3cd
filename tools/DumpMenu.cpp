// Prints the menu that a disc folder defines, as the menu program reads it:
// window title, colours, font, messages and every entry. It uses the headless
// platform, so it needs no display.
//
//   autoplay-dump <folder holding autoplay.ini>

#include "platform/FileSystem.h"
#include "platform/PlatformError.h"
#include "platform/headless/Headless.h"
#include "window/MenuWindow.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

std::string hex(platform::Color color)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X%02X", color.red, color.green, color.blue);
    return text;
}

void printMenu(const MenuWindow& window)
{
    const MenuPanel& panel = window.panel();
    std::cout << "title:       " << window.titleText() << "\n"
              << "background:  " << hex(window.backgroundColor());
    if (const platform::Bitmap* picture = window.backgroundBitmap())
        std::cout << ", picture " << picture->width() << " x " << picture->height();
    std::cout << "\n"
              << "colours:     text " << hex(panel.colorText()) << ", enter " << hex(panel.colorEnter())
              << ", click " << hex(panel.colorClick()) << "\n"
              << "font:        \"" << panel.font().face() << "\" " << panel.font().pointSize() << " pt, weight "
              << panel.font().weight() << "\n"
              << "margins:     left " << panel.marginLeft() << ", right " << panel.marginRight() << ", top "
              << panel.marginTop() << ", bottom " << panel.marginBottom() << "; spacing " << panel.lineSpacing()
              << "\n";
    for (int number = 1; number <= 3; ++number)
        std::cout << "message " << number << ":   \"" << window.message(number) << "\"\n";
    for (std::int32_t i = 0; i < panel.itemCount(); ++i) {
        const MenuItem& item = panel.item(i);
        std::cout << "entry " << i + 1 << ": label \"" << item.label << "\", action \"" << item.action
                  << "\", param \"" << item.param << "\", dir \"" << item.dir << "\", disk \"" << item.disk
                  << "\", exit \"" << item.exit << "\"\n";
    }
}

void printMessageBoxes()
{
    for (const auto& box : platform::headless::messageBoxes())
        std::cerr << "message box \"" << box.caption << "\": " << box.text << "\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: autoplay-dump <folder holding autoplay.ini>\n";
        return 2;
    }
    if (!platform::setCurrentDirectory(argv[1])) {
        std::cerr << "autoplay-dump: cannot enter " << argv[1] << "\n";
        return 2;
    }
    try {
        MenuWindow window(90);
        printMenu(window);
    } catch (const platform::headless::ExitRequested& exit) {
        printMessageBoxes();
        return exit.status() & 0xFF;
    } catch (const platform::PlatformError& error) {
        std::cerr << "autoplay-dump: " << error.topText() << "\n";
        return 1;
    }
    return 0;
}
