#pragma once

#include "platform/Bitmap.h"

#include <string>

namespace platform::headless {

// Writes the bitmap as an 8-bit RGB PNG file. Raises PlatformError, naming
// the file, when it cannot be written.
void savePng(const Bitmap& bitmap, const std::string& path);

} // namespace platform::headless
