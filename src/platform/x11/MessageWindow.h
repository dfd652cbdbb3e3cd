#pragma once

#include "platform/MessageBox.h"
#include "platform/render/Framebuffer.h"
#include "platform/x11/MessageBoxLayout.h"
#include "platform/x11/MessageBoxPaint.h"
#include "platform/x11/X11Display.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform::x11 {

// The window of a message box: a fixed-size dialog, transient for its owner
// and centred over it (or over the screen when the desktop owns it), drawn
// with the software renderer. It takes the focus once it is shown and holds
// the answer once a button is clicked, a key answers or the box is closed.
class MessageWindow final : public EventTarget {
public:
    // `owner` is the owner's window, 0 for none; `caption` the title.
    MessageWindow(X11Display& x, ::Window owner, const std::string& caption, const std::string& text,
                  MessageButtons buttons, MessageIcon icon);
    ~MessageWindow() override;
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    ::Window window() const { return window_; }
    void show();
    const std::optional<MessageAnswer>& answer() const { return answer_; }

    void handleEvent(const XEvent& event) override;

private:
    void create(const std::string& caption);
    void describeToWindowManager(const std::string& caption, Point position);
    Point centredPosition() const;
    void takeFocus();
    void giveFocusBack();

    void onExpose(const XExposeEvent& event);
    void onKey(XKeyEvent event);
    void onButton(const XButtonEvent& event, bool pressed);
    void onPointer(std::optional<std::size_t> over);
    void onClientMessage(const XClientMessageEvent& event);

    ButtonLook lookOf(std::size_t button) const;
    void restyleButtons();
    void present(const Rect& area);

    X11Display& x_;
    ::Window owner_;
    BoxContent content_;
    BoxLayout layout_;
    render::Framebuffer framebuffer_{0, 0};
    ::Window window_ = 0;

    std::size_t focus_ = 0;
    std::optional<std::size_t> hovered_; // the button under the pointer
    std::optional<std::size_t> held_;    // the button the pointer went down on
    std::vector<ButtonLook> painted_;    // the looks the buttons show
    Rect exposed_;                       // asked for by exposures not yet shown
    bool mapped_ = false;
    bool focusTaken_ = false;
    std::optional<MessageAnswer> answer_;
};

} // namespace platform::x11
