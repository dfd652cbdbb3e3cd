#include "platform/posix/OpenFile.h"

#include <sys/stat.h>

namespace platform::posix {

std::FILE* openRegularFile(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rbe");
    if (!file)
        return nullptr;
    struct stat info {};
    if (::fstat(::fileno(file), &info) != 0 || !S_ISREG(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
}

} // namespace platform::posix
