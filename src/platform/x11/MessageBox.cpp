#include "platform/MessageBox.h"

#include "platform/FrameWindow.h"
#include "platform/x11/FrameWindowImpl.h"
#include "platform/x11/MessageWindow.h"

namespace platform {

namespace {

// Makes a window the modal one for as long as it lives, then gives the place
// back to the window that held it before, so boxes may open over boxes.
class ModalScope {
public:
    ModalScope(x11::X11Display& x, ::Window window)
        : x_(x)
        , previous_(x.modalWindow())
    {
        x_.setModalWindow(window);
    }
    ~ModalScope() { x_.setModalWindow(previous_); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    x11::X11Display& x_;
    ::Window previous_;
};

} // namespace

// The box runs an event loop of its own until it is answered. Events of the
// other windows are still handled, so the menu keeps repainting; the modal
// window keeps pointer and key input to the box.
MessageAnswer showMessageBox(FrameWindow* owner, const std::string& text, MessageButtons buttons, MessageIcon icon)
{
    x11::X11Display& x = x11::X11Display::instance();
    x11::MessageWindow box(x, owner ? owner->impl().window : 0, owner ? owner->titleText() : std::string(), text,
                           buttons, icon);
    const ModalScope modal(x, box.window());
    box.show();
    while (!box.answer())
        x.dispatchNextEvent();
    return *box.answer();
}

} // namespace platform
