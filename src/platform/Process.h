#pragma once

namespace platform {

// Ends the process at once with the given status, running the functions
// registered to run at exit. Windows statuses are 32-bit; on Linux the shell
// sees the low eight bits, so -1 is reported as 255.
[[noreturn]] void exitProcess(int status);

} // namespace platform
