#pragma once

#include <string>

namespace platform {

class FrameWindow;

enum class MessageButtons { ok, retryCancel };

// stop is the error icon (a hand or stop sign), information the asterisk,
// exclamation the warning sign.
enum class MessageIcon { stop, information, exclamation };

// Escape and the close box answer cancel, or ok in a box with OK alone.
enum class MessageAnswer { ok, retry, cancel };

// Shows a modal message box and waits for the answer. With an owner the box
// is captioned with the owner's title text and the owner takes no input
// while it is shown; without one (the desktop owns it) the caption is empty.
MessageAnswer showMessageBox(FrameWindow* owner, const std::string& text, MessageButtons buttons,
                             MessageIcon icon);

} // namespace platform
