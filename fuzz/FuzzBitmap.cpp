// Feeds arbitrary bytes to the Windows bitmap decoder: a picture is decoded
// or refused, never read out of bounds.

#include "platform/PlatformError.h"
#include "platform/picture/BmpDecoder.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const platform::Bitmap bitmap = platform::picture::decodeBmp({data, size}, "fuzz.bmp");
        volatile std::uint32_t sink = bitmap.pixels().empty() ? 0 : bitmap.pixels().back();
        (void)sink;
    } catch (const platform::PlatformError&) {
    }
    return 0;
}
