// Feeds arbitrary command lines to the Windows argument splitting and
// arbitrary texts to the text reader's decoding.

#include "platform/posix/WindowsCommandLine.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    const auto arguments = platform::posix::splitWindowsCommandLine(line);
    std::size_t total = 0;
    for (const auto& argument : arguments)
        total += argument.size();
    if (total > line.size())
        __builtin_trap(); // splitting never makes text up
    return 0;
}
