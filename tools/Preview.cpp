// Shows a disc's menu without a desktop: builds the menu window from the
// disc's folder exactly as the menu program does and writes its client area
// to a PNG file, optionally with one entry under the pointer or pressed.
//
//   autoplay-preview <disc folder> <picture.png> [--hover N | --press N]
//
// The locale comes from the environment as for the program (LC_ALL=de_DE.UTF-8
// shows a disc's De_DE menu). AUTOPLAY_SHOW_LAYOUT=1 prints the font chosen
// and every entry's rectangle. Message boxes the menu would show are printed;
// the exit status is the program's when the menu ends itself (255 for a
// missing definition), 1 for a platform failure, 2 for a bad command line.

#include "app/FailureReport.h"
#include "platform/FileSystem.h"
#include "platform/MouseHandler.h"
#include "platform/PlatformError.h"
#include "platform/headless/Headless.h"
#include "platform/headless/PngFile.h"
#include "window/MenuWindow.h"

#include <charconv>
#include <algorithm>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

struct Options {
    std::string folder;
    std::string output;
    int entry = 0; // 1-based; 0: none
    bool pressed = false;
};

std::optional<int> parseEntry(const char* text)
{
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto result = std::from_chars(text, end, value);
    if (result.ec != std::errc() || result.ptr != end || value < 1)
        return std::nullopt;
    return value;
}

std::optional<Options> parseOptions(int argc, char** argv)
{
    if (argc != 3 && argc != 5)
        return std::nullopt;
    Options options{argv[1], argv[2]};
    if (argc == 5) {
        const std::string flag = argv[3];
        if (flag != "--hover" && flag != "--press")
            return std::nullopt;
        const std::optional<int> entry = parseEntry(argv[4]);
        if (!entry)
            return std::nullopt;
        options.entry = *entry;
        options.pressed = flag == "--press";
    }
    return options;
}

// Puts the pointer in the middle of the entry's first line, as a user would.
bool pointAt(MenuWindow& window, int entry, bool pressed)
{
    const MenuPanel& panel = window.panel();
    if (entry > panel.itemCount())
        return false;
    const platform::Rect rect = panel.itemRects()[static_cast<std::size_t>(entry - 1)];
    const platform::Point inside{rect.left + rect.width() / 2, rect.top + std::min(rect.height() / 2, 8) + 1};
    platform::headless::movePointer(window, inside);
    if (pressed)
        platform::headless::sendButton(window, platform::MouseButton::primary, platform::MouseAction::down, inside,
                                       platform::mouseFlags::primary);
    return panel.hoverIndex() == entry - 1;
}

void printMessageBoxes()
{
    for (const auto& box : platform::headless::messageBoxes())
        std::cerr << "autoplay-preview: message box \"" << box.caption << "\": " << box.text << "\n";
}

int preview(const Options& options)
{
    if (!platform::setCurrentDirectory(options.folder)) {
        std::cerr << "autoplay-preview: cannot enter " << options.folder << "\n";
        return 2;
    }
    MenuWindow window(90);
    platform::headless::paint(window);
    if (options.entry > 0 && !pointAt(window, options.entry, options.pressed)) {
        std::cerr << "autoplay-preview: the menu has no entry " << options.entry << " to point at\n";
        return 2;
    }
    platform::headless::savePng(platform::headless::clientPixels(window), options.output);
    const platform::Size size = window.clientSize();
    std::cout << options.output << ": " << size.width << " x " << size.height << ", \"" << window.titleText()
              << "\"\n";
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::cerr << "usage: autoplay-preview <disc folder> <picture.png> [--hover N | --press N]\n";
        return 2;
    }
    // The picture is written relative to where the tool was started.
    Options absolute = *options;
    if (!absolute.output.starts_with('/'))
        absolute.output = platform::currentDirectory() + "/" + absolute.output;
    try {
        const int status = preview(absolute);
        printMessageBoxes();
        return status;
    } catch (const platform::headless::ExitRequested& exit) {
        printMessageBoxes();
        return exit.status() & 0xFF;
    } catch (const platform::PlatformError& error) {
        reportFailure(error, std::cerr);
        return 1;
    }
}
