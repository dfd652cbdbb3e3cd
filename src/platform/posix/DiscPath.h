#pragma once

#include <string>

namespace platform::posix {

// Turns a path written as on the disc into one Linux can open: backslashes
// become slashes, and a component that does not exist as written is replaced
// by the one entry of its folder whose name matches it without regard to
// case (the first in name order when several do), or, as Windows reads
// names, the one it names without its trailing blanks and dots. Folders are
// scanned only where the exact name is missing. A path that exists as
// written is taken unchanged.
std::string resolveDiscPath(const std::string& path);

} // namespace platform::posix
