#include "platform/ProgramLocation.h"

#include "platform/FileSystem.h"
#include "platform/posix/LinuxPaths.h"

#include <filesystem>
#include <sys/stat.h>

namespace platform {

namespace {

std::string executableFolder()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : executable.parent_path().string();
}

// The mount point is the highest folder on the way up that is still on the
// same device as the path.
std::filesystem::path mountPointOf(const std::filesystem::path& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return "/";
    std::filesystem::path mountPoint = path;
    while (mountPoint.has_relative_path()) {
        const std::filesystem::path parent = mountPoint.parent_path();
        struct stat parentInfo {};
        if (::stat(parent.c_str(), &parentInfo) != 0 || parentInfo.st_dev != info.st_dev)
            break;
        mountPoint = parent;
    }
    return mountPoint;
}

} // namespace

std::string programFolder(const std::string& programPath)
{
    return posix::linuxProgramFolder(programPath, currentDirectory(), executableFolder());
}

bool inTopLevelAutoplayFolder(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(folder, error);
    if (error)
        return false;
    return posix::isBelowAutoplayFolder(real.lexically_relative(mountPointOf(real)).generic_string());
}

} // namespace platform
