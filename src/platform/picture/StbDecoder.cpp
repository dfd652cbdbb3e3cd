#include "platform/picture/StbDecoder.h"

#include "platform/PlatformError.h"
#include "platform/picture/BmpDecoder.h"

#include <climits>
#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb/stb_image.h>

namespace platform::picture {

namespace {

[[noreturn]] void refuse(const std::string& name, const std::string& reason)
{
    throw PlatformError("Cannot load picture " + name + ": " + reason);
}

} // namespace

Bitmap decodeWithStb(std::span<const std::uint8_t> bytes, const std::string& name)
{
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        refuse(name, "the file is too large");
    const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
    const int length = static_cast<int>(bytes.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(data, length, &width, &height, &channels))
        refuse(name, stbi_failure_reason() ? stbi_failure_reason() : "not a PNG or JPEG picture");
    if (width <= 0 || height <= 0 || width > maxBmpSide || height > maxBmpSide ||
        std::int64_t{width} * height > maxBmpPixels)
        refuse(name, "the picture is " + std::to_string(width) + " x " + std::to_string(height) +
                         " pixels, more than a menu can show");

    const std::unique_ptr<stbi_uc, void (*)(void*)> pixels(stbi_load_from_memory(data, length, &width, &height,
                                                                                 &channels, 4),
                                                           stbi_image_free);
    if (!pixels)
        refuse(name, stbi_failure_reason() ? stbi_failure_reason() : "the picture is broken");

    Bitmap bitmap(width, height);
    const stbi_uc* source = pixels.get();
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x, source += 4) {
            const auto over = [alpha = source[3]](stbi_uc value) { return (value * alpha + 127u) / 255u; };
            bitmap.setPixel(x, y, over(source[0]) << 16 | over(source[1]) << 8 | over(source[2]));
        }
    }
    return bitmap;
}

} // namespace platform::picture
