#pragma once

#include "platform/headless/Headless.h"

#include <deque>

namespace platform::headless {

struct ScriptedAnswer {
    MessageAnswer answer;
    std::function<void()> whileShown;
};

// The state of the headless desktop: one per process, as a desktop is.
struct HeadlessSession {
    static constexpr Size defaultScreenSize{1024, 768};
    static constexpr std::int32_t defaultDpi = 96;

    std::deque<ScriptedAnswer> answers;
    std::vector<RecordedMessageBox> boxes;
    std::deque<std::function<void()>> events;
    Size screenSize = defaultScreenSize;
    std::int32_t dpi = defaultDpi;

    static HeadlessSession& instance();
};

} // namespace platform::headless
