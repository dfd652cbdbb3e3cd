// Feeds arbitrary bytes to the menu as its autoplay.ini and builds, lays out,
// paints and points at the menu, as the program would. A definition may make
// the menu refuse to start (no picture, no file) but never crash it.

#include "interaction/PointerTracking.h"
#include "platform/PlatformError.h"
#include "platform/headless/Headless.h"
#include "window/MenuWindow.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>

namespace {

// A disc folder of its own, with a small picture, made current once.
void enterDisc()
{
    static bool entered = false;
    if (entered)
        return;
    entered = true;
    const auto folder = std::filesystem::temp_directory_path() / "autoplay-fuzz-definition";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    // A 2 x 2 24-bit bitmap, for definitions that name "a.bmp".
    const unsigned char bmp[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 2, 0,
                                 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
    std::ofstream("a.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bmp), sizeof bmp);
    ::setenv("LC_ALL", "C", 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    enterDisc();
    platform::headless::reset();
    platform::headless::useTestFace(10, 3, [](char32_t c) { return static_cast<std::int32_t>(c % 13); });
    std::ofstream("autoplay.ini", std::ios::binary).write(reinterpret_cast<const char*>(data),
                                                           static_cast<std::streamsize>(size));
    try {
        MenuWindow window(90);
        platform::headless::paint(window);
        for (std::int32_t i = 0; i < window.panel().itemCount() && i < 8; ++i) {
            const platform::Rect rect = window.panel().itemRects()[static_cast<std::size_t>(i)];
            platform::headless::movePointer(window, {rect.left, rect.top + 1}, 1);
        }
        platform::headless::movePointer(window, {-1, -1});
    } catch (const platform::headless::ExitRequested&) {
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
