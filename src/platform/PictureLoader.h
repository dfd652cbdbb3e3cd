#pragma once

#include "platform/Bitmap.h"

#include <memory>
#include <string>

namespace platform {

// Loads a picture file. The format is chosen by the file name's extension:
// ".bmp" and ".dib" are Windows bitmaps, ".png" PNG, ".jpg" and ".jpeg" JPEG. A file that is missing,
// unreadable, truncated, of an unknown format or of absurd dimensions raises
// PlatformError with a text that names the file.
std::unique_ptr<Bitmap> loadPicture(const std::string& path);

} // namespace platform
