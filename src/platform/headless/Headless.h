#pragma once

// What the headless backend offers to tests and to the preview tool: message
// boxes answered from a script and recorded, and the exit of the process
// turned into an exception that the caller can catch.

#include "platform/MessageBox.h"

#include <exception>
#include <functional>
#include <string>
#include <vector>

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

// Forgets the script and the recorded boxes.
void reset();

} // namespace platform::headless
