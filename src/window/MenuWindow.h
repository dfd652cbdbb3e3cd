#pragma once

#include "menu/MenuPanel.h"
#include "window/MenuMouseHandler.h"
#include "window/MenuPaintHandler.h"
#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/FrameWindow.h"
#include "platform/Rect.h"
#include "platform/Size.h"
#include "platform/WindowTitle.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

// The menu's one window: the background picture on the left, the column of
// entries on the right. Building it reads the definition, lays the entries
// out, sizes the window to picture and column, centres it on the screen and
// shows it. Afterwards only its paint and pointer events change anything.
class MenuWindow : public platform::FrameWindow {
public:
    static constexpr const char* defaultObjectTitle = "Corvanta";
    static constexpr const char* defaultViewTitle = "Install Selection";
    static constexpr std::array<const char*, 3> defaultMessages = {
        "Please insert CD",
        "Cound not Change Directory/Execute: ",
        "Cannot open file: ",
    };

    explicit MenuWindow(int identifier);
    ~MenuWindow() override;

    MenuPanel& panel() { return panel_; }
    const MenuPanel& panel() const { return panel_; }
    platform::WindowTitle& title() { return title_; }
    const platform::WindowTitle& title() const { return title_; }

    // The colour behind the entries; setting it also makes it the frame's own
    // background colour.
    platform::Color backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(platform::Color color);

    // Messages are numbered 1 to 3: the disc prompt, the launch failure, the
    // open failure.
    const std::string& message(int number) const;
    void setMessage(int number, const std::string& text);

    // Replaces the background picture by the one loaded from `path`.
    void setBackground(const std::string& path);
    const platform::Bitmap* backgroundBitmap() const { return backgroundBitmap_.get(); }

    // The area every paint fills with the background colour.
    const platform::Rect& fillRect() const { return fillRect_; }

    // Reads the menu definition into this window and its panel.
    void readDefinition();

    // The size the client area needs: picture and column side by side, as
    // tall as the taller of the two.
    platform::Size contentSize() const;

private:
    void layOut();
    void centreOnScreen();

    platform::Rect fillRect_;
    MenuPanel panel_;
    MenuPaintHandler paintHandler_;
    MenuMouseHandler mouseHandler_;
    std::unique_ptr<platform::Bitmap> backgroundBitmap_;
    platform::WindowTitle title_;
    platform::Color backgroundColor_{0, 0, 0};
    std::array<std::string, 3> messages_;
};
