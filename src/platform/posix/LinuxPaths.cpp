#include "platform/posix/LinuxPaths.h"

#include "platform/TextCompare.h"

namespace platform::posix {

namespace {

std::string withTrailingSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

std::string linuxProgramFolder(std::string_view programPath, std::string_view currentDirectory,
                               std::string_view executableFolder)
{
    const std::size_t lastSeparator = programPath.find_last_of("/\\");
    if (lastSeparator == std::string_view::npos)
        return withTrailingSlash(std::string(executableFolder));
    std::string folder(programPath.substr(0, lastSeparator + 1));
    for (char& c : folder) {
        if (c == '\\')
            c = '/';
    }
    if (folder.front() != '/')
        folder = withTrailingSlash(std::string(currentDirectory)) + folder;
    return folder;
}

bool isBelowAutoplayFolder(std::string_view pathBelowMountPoint)
{
    std::string_view path = pathBelowMountPoint;
    while (path.starts_with('/'))
        path.remove_prefix(1);
    return equalIgnoringCase(path, "autoplay") || startsWithIgnoringCase(path, "autoplay/");
}

} // namespace platform::posix
