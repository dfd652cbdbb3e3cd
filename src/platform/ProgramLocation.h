#pragma once

#include <string>

namespace platform {

// The folder that holds the program, from the program's own path as it was
// given on the command line; the menu makes it its current directory.
std::string programFolder(const std::string& programPath);

// True when the folder lies in a top-level folder named "autoplay", in any
// letter case: on Windows at the root of its drive, on Linux at the root of
// the volume (mount point) that holds it.
bool inTopLevelAutoplayFolder(const std::string& folder);

} // namespace platform
