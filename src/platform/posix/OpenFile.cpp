#include "platform/posix/OpenFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform::posix {

// Opened without waiting, so that a named pipe or a device on a disc cannot
// hold the menu up; its type is checked before anything is read.
std::FILE* openRegularFile(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return nullptr;
    struct stat info {};
    const bool regular = ::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode);
    const int flags = regular ? ::fcntl(descriptor, F_GETFL) : -1;
    if (flags == -1 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) == -1) {
        ::close(descriptor);
        return nullptr;
    }
    std::FILE* file = ::fdopen(descriptor, "rb");
    if (!file)
        ::close(descriptor);
    return file;
}

} // namespace platform::posix
