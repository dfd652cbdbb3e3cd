#pragma once

#include <string>
#include <string_view>

namespace platform {

// How the Windows program settles its folder and decides whether it runs
// from a disc's autoplay folder. Plain text rules, kept apart from the
// system calls so that they can be checked anywhere.

// The folder of the program (ending with a backslash) from its own path as
// given on the command line: the text up to the last backslash, made
// absolute with the current directory when it has no drive letter. A drive
// root as current directory gives a doubled backslash ("E:\\autoplay\").
std::string windowsProgramFolder(std::string_view programPath, std::string_view currentDirectory);

// True when the folder, without its drive letter and colon and with leading
// doubled backslashes collapsed, begins with "\autoplay\" in any case.
bool windowsFolderIsInAutoplay(std::string_view folder);

} // namespace platform
