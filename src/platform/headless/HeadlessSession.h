#pragma once

#include "platform/headless/Headless.h"

#include <deque>

namespace platform::headless {

struct ScriptedAnswer {
    MessageAnswer answer;
    std::function<void()> whileShown;
};

// The state of the headless platform: one per process, as a desktop is.
struct HeadlessSession {
    std::deque<ScriptedAnswer> answers;
    std::vector<RecordedMessageBox> boxes;

    static HeadlessSession& instance();
};

} // namespace platform::headless
