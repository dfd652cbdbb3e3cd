#pragma once

#include <string>
#include <string_view>

namespace platform::posix {

// The program folder on Linux, ending with a slash: the text of the
// program's path up to its last separator (a slash or a backslash), made
// absolute with the current directory when relative. A bare name, which
// Linux gives for a program found along PATH, takes the folder of the
// running executable instead.
std::string linuxProgramFolder(std::string_view programPath, std::string_view currentDirectory,
                               std::string_view executableFolder);

// True when a path taken relative to its volume's mount point lies in a
// top-level "autoplay" folder, in any letter case.
bool isBelowAutoplayFolder(std::string_view pathBelowMountPoint);

} // namespace platform::posix
