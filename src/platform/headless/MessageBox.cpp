#include "platform/MessageBox.h"

#include "platform/FrameWindow.h"
#include "platform/headless/HeadlessSession.h"

namespace platform {

namespace {

MessageAnswer escapeAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::ok ? MessageAnswer::ok : MessageAnswer::cancel;
}

} // namespace

MessageAnswer showMessageBox(FrameWindow* owner, const std::string& text, MessageButtons buttons,
                             MessageIcon icon)
{
    auto& session = headless::HeadlessSession::instance();
    MessageAnswer answer = escapeAnswer(buttons);
    if (!session.answers.empty()) {
        headless::ScriptedAnswer scripted = std::move(session.answers.front());
        session.answers.pop_front();
        if (scripted.whileShown)
            scripted.whileShown();
        answer = scripted.answer;
    }
    session.boxes.push_back({owner ? owner->titleText() : std::string(), text, buttons, icon, answer,
                             owner != nullptr});
    return answer;
}

} // namespace platform
