#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// Paths here use the disc's conventions: a backslash separates folders, and
// on Linux a name that does not exist as written is found in any letter case.

// True when the file can be opened for reading.
bool canOpenForReading(const std::string& path);

// The whole content of a file, refusing files larger than maxBytes. Raises
// PlatformError, naming the file, when it cannot be read.
std::vector<std::uint8_t> readBinaryFile(const std::string& path, std::size_t maxBytes);

} // namespace platform

namespace platform {

// The current directory as a full path (Windows form on Windows, Linux form
// on Linux); empty when it cannot be read.
std::string currentDirectory();

// Makes `path` the current directory. False when it cannot be entered.
bool setCurrentDirectory(const std::string& path);

} // namespace platform
