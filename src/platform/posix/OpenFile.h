#pragma once

#include <cstdio>
#include <string>

namespace platform::posix {

// Opens a regular file for reading in binary mode, closed on exec so that
// started programs do not inherit it. A folder or a special file counts as
// not openable, as on Windows. Nothing on failure.
std::FILE* openRegularFile(const std::string& path);

} // namespace platform::posix
