#include "platform/PictureLoader.h"

#include "platform/FileSystem.h"
#include "platform/PlatformError.h"
#include "platform/TextCompare.h"
#include "platform/picture/BmpDecoder.h"
#include "platform/picture/StbDecoder.h"

namespace platform {

namespace {

// No menu picture comes near this; a larger file is refused, not read.
constexpr std::size_t maxPictureFileBytes = 256u * 1024u * 1024u;

// The extension of the file the path names; trailing blanks and dots are
// no part of a name, as on Windows.
std::string extensionOf(std::string path)
{
    while (!path.empty() && (path.back() == ' ' || path.back() == '.'))
        path.pop_back();
    const std::size_t dot = path.find_last_of('.');
    const std::size_t separator = path.find_last_of("\\/");
    if (dot == std::string::npos || (separator != std::string::npos && dot < separator))
        return {};
    return path.substr(dot);
}

} // namespace

std::unique_ptr<Bitmap> loadPicture(const std::string& path)
{
    const std::string extension = extensionOf(path);
    const bool bitmap = equalIgnoringCase(extension, ".bmp") || equalIgnoringCase(extension, ".dib");
    const bool compressed = equalIgnoringCase(extension, ".png") || equalIgnoringCase(extension, ".jpg") ||
                            equalIgnoringCase(extension, ".jpeg");
    if (!bitmap && !compressed)
        throw PlatformError("Cannot load picture " + path + ": unknown picture format \"" + extension + "\"");
    const std::vector<std::uint8_t> bytes = readBinaryFile(path, maxPictureFileBytes);
    return std::make_unique<Bitmap>(bitmap ? picture::decodeBmp(bytes, path) : picture::decodeWithStb(bytes, path));
}

} // namespace platform
