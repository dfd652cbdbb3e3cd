#include "platform/headless/HeadlessSession.h"

namespace platform::headless {

HeadlessSession& HeadlessSession::instance()
{
    static HeadlessSession session;
    return session;
}

void queueAnswer(MessageAnswer answer, std::function<void()> whileShown)
{
    HeadlessSession::instance().answers.push_back({answer, std::move(whileShown)});
}

const std::vector<RecordedMessageBox>& messageBoxes()
{
    return HeadlessSession::instance().boxes;
}

void reset()
{
    HeadlessSession& session = HeadlessSession::instance();
    session.answers.clear();
    session.boxes.clear();
    session.events.clear();
    session.screenSize = HeadlessSession::defaultScreenSize;
    session.dpi = HeadlessSession::defaultDpi;
    useTestFace(0, 0, {});
}

} // namespace platform::headless
