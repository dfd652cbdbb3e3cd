#include "platform/MessageBox.h"

namespace platform {

MessageAnswer showMessageBox(FrameWindow*, const std::string&, MessageButtons buttons, MessageIcon)
{
    return buttons == MessageButtons::ok ? MessageAnswer::ok : MessageAnswer::cancel;
}

} // namespace platform
