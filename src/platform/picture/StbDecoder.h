#pragma once

#include "platform/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>

namespace platform::picture {

// Decodes a PNG or JPEG file held in memory with stb_image, within the same
// limits as bitmaps (BmpDecoder.h). Transparent pixels are laid over black,
// as nothing shows through a menu's picture. `name` names the file in the
// texts of the PlatformError raised for a broken, unsupported or too large
// picture.
Bitmap decodeWithStb(std::span<const std::uint8_t> bytes, const std::string& name);

} // namespace platform::picture
