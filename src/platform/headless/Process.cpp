#include "platform/Process.h"

#include "platform/headless/Headless.h"

namespace platform {

void exitProcess(int status)
{
    throw headless::ExitRequested(status);
}

} // namespace platform
