#include "platform/picture/BmpDecoder.h"

#include "platform/PlatformError.h"
#include "platform/picture/BmpBytes.h"
#include "platform/picture/BmpLayout.h"
#include "platform/picture/BmpPalette.h"
#include "platform/picture/BmpRunLength.h"
#include "platform/picture/BmpUncompressed.h"

#include <new>

namespace platform::picture {

namespace {

Bitmap decodePixels(const BmpBytes& file)
{
    const BmpLayout layout = readBmpLayout(file);
    const BmpPalette palette = readBmpPalette(file, layout.palette);
    switch (layout.compression) {
    case BmpCompression::RunLength8:
    case BmpCompression::RunLength4:
        return decodeRunLengthBmp(file, layout, palette);
    case BmpCompression::None:
    case BmpCompression::BitFields:
        break;
    }
    return decodeUncompressedBmp(file, layout, palette);
}

} // namespace

Bitmap decodeBmp(std::span<const std::uint8_t> bytes, const std::string& name)
{
    try {
        return decodePixels(BmpBytes(bytes));
    } catch (const BmpFormatError& error) {
        throw PlatformError("Cannot load picture " + name + ": " + error.what());
    } catch (const std::bad_alloc&) {
        throw PlatformError("Cannot load picture " + name + ": not enough memory to decode it");
    }
}

} // namespace platform::picture
