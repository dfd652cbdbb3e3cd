#pragma once

#include "platform/MessageBox.h"
#include "platform/Point.h"
#include "platform/Rect.h"
#include "platform/Size.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What a message box shows and how it answers, worked out without a display:
// the text broken into lines, the buttons, where everything goes, and what a
// key does. The X window only measures, draws and reads events.
namespace platform::x11 {

// The width of a piece of UTF-8 text in pixels.
using TextWidth = std::function<std::int32_t(std::string_view)>;

// Breaks a text into lines no wider than `maxWidth`. Line breaks in the text
// ("\n", "\r\n" or "\r") always break; otherwise lines break between words,
// at blanks, and the blanks at a break are dropped. A word wider than a line
// is cut between characters (never inside a UTF-8 sequence), as much on each
// line as fits; a line holds at least one character, so a narrow width still
// ends. Blanks that open a paragraph are kept, blanks that close it are not.
// An empty text is one empty line.
std::vector<std::string> wrapText(std::string_view text, const TextWidth& width, std::int32_t maxWidth);

// A button of the box and the answer it gives.
struct ButtonChoice {
    std::string_view label;
    MessageAnswer answer;
};

// The buttons from left to right; the first is the default.
std::span<const ButtonChoice> buttonChoices(MessageButtons buttons);

// What Escape and the close box answer: Cancel, or OK in a box with OK alone.
MessageAnswer escapeAnswer(MessageButtons buttons);

// The keys a box responds to. Enter, keypad Enter and Space activate the
// focused button; Tab and Right move the focus on, Shift+Tab and Left back.
enum class BoxKey { activate, escape, next, previous, other };

struct KeyResponse {
    std::optional<MessageAnswer> answer; // set when the key closes the box
    std::size_t focus = 0;               // the button focused afterwards
};

// The focus moves round: past the last button it comes to the first.
KeyResponse respondToKey(BoxKey key, MessageButtons buttons, std::size_t focus);

// The box's measures at 96 dots per inch; scaled() brings them to the screen.
namespace boxSizes {
inline constexpr std::int32_t maxTextWidth = 420;  // text wider than this wraps
inline constexpr std::int32_t margin = 20;         // around the icon and text
inline constexpr std::int32_t iconSize = 32;
inline constexpr std::int32_t iconGap = 14;        // between icon and text
inline constexpr std::int32_t bandPadding = 12;    // around the buttons in the lower band
inline constexpr std::int32_t buttonGap = 8;
inline constexpr std::int32_t buttonMinWidth = 88;
inline constexpr std::int32_t buttonMinHeight = 26;
inline constexpr std::int32_t labelPadding = 14;   // left and right of a button's label
inline constexpr std::int32_t labelLeading = 8;    // above and below it, together
inline constexpr std::int32_t minClientWidth = 240;
} // namespace boxSizes

// A length at 96 dots per inch, at `dpi`, rounded to the nearest pixel.
std::int32_t scaled(std::int32_t length, std::int32_t dpi);

// What the layout needs to know of the text and the buttons, measured.
struct BoxMeasures {
    std::int32_t dpi = 96;
    std::int32_t lineHeight = 0;
    std::size_t lineCount = 1;
    std::int32_t textWidth = 0;     // the widest line
    std::int32_t widestLabel = 0;
    std::size_t buttonCount = 1;
    // The tallest the box may be, the screen's height; lines that would make
    // it taller are left out. 0 sets no limit.
    std::int32_t maxHeight = 0;
};

// Where everything goes, in the box's client area. The message area (icon
// and text) spans the top; the buttons sit at the right of a band below it,
// all of the same size.
struct BoxLayout {
    Size client;
    Rect messageArea;
    Rect icon;
    Point text; // the first line's top-left corner
    std::int32_t lineHeight = 0;
    std::size_t shownLines = 0;
    std::vector<Rect> buttons;
};

BoxLayout layOutBox(const BoxMeasures& measures);

// The button under a point, if any.
std::optional<std::size_t> buttonAt(const BoxLayout& layout, Point point);

} // namespace platform::x11
