#pragma once

// What the headless backend offers to tests and to the preview tool: a
// desktop in memory. Message boxes are answered from a script and recorded,
// the exit of the process becomes an exception, windows draw into memory,
// and pointer and paint events are sent by the caller.

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/MessageBox.h"
#include "platform/MouseHandler.h"
#include "platform/Point.h"
#include "platform/Rect.h"
#include "platform/Size.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace platform {
class FrameWindow;
}

namespace platform::headless {

struct RecordedMessageBox {
    std::string caption;
    std::string text;
    MessageButtons buttons = MessageButtons::ok;
    MessageIcon icon = MessageIcon::stop;
    MessageAnswer answer = MessageAnswer::ok;
    bool hadOwner = false;
};

// Thrown by exitProcess in place of ending the process.
class ExitRequested : public std::exception {
public:
    explicit ExitRequested(int status)
        : status_(status)
    {
    }
    int status() const { return status_; }
    const char* what() const noexcept override { return "exit requested"; }

private:
    int status_;
};

// The next message box is answered with `answer`; `whileShown`, if given,
// runs while the box is up (say, to put a file in place before Retry).
// A box with no scripted answer left is dismissed as with Escape.
void queueAnswer(MessageAnswer answer, std::function<void()> whileShown = {});

const std::vector<RecordedMessageBox>& messageBoxes();

// The frame around a client area: borders of 3 pixels and a title bar that
// makes the top 26 pixels high.
inline constexpr std::int32_t frameBorder = 3;
inline constexpr std::int32_t frameTop = 26;

// The desktop: its size (1024 x 768 unless set) and its vertical resolution
// (96 unless set).
void setScreenSize(Size size);
void setScreenDpi(std::int32_t dpi);

// Lays text out with a face of chosen measures instead of the installed
// fonts: lines are ascent + descent high, each character is as wide as
// `advance` says and is drawn as a solid box of that width. An empty
// `advance` goes back to the installed fonts.
void useTestFace(std::int32_t ascent, std::int32_t descent, std::function<std::int32_t(char32_t)> advance);

// Runs in the event loop, in order; the loop returns when none are left, as
// if the user had closed the window.
void queueEvent(std::function<void()> event);

// Sends a paint event for `invalid` (the whole client area when empty).
void paint(FrameWindow& window, const Rect& invalid = {});
void movePointer(FrameWindow& window, Point position, std::uint32_t flags = 0);
void sendButton(FrameWindow& window, MouseButton button, MouseAction action, Point position,
                std::uint32_t flags = 0);

// What the window's client area shows now.
Bitmap clientPixels(FrameWindow& window);

// Every text drawn on the window, in order, with its pen colour.
struct DrawnText {
    Point at;
    std::string text;
    Color pen;
    bool inPaintEvent = false;
};
const std::vector<DrawnText>& drawnTexts(FrameWindow& window);
void forgetDrawnTexts(FrameWindow& window);

// How often the window was refreshed, shown and focused.
struct WindowState {
    int refreshCount = 0;
    bool visible = false;
    bool focused = false;
};
WindowState windowState(FrameWindow& window);

// Forgets the script, the recorded boxes and queued events, and puts the
// desktop and the fonts back to their defaults.
void reset();

} // namespace platform::headless
