#include "platform/Process.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

void exitProcess(int status)
{
    std::fflush(nullptr);
    std::exit(status);
}

} // namespace platform
