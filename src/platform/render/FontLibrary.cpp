#include "platform/render/FontLibrary.h"

#include "platform/PlatformError.h"
#include "platform/render/FontSize.h"
#include "platform/render/FreeTypeFace.h"
#include "platform/render/FreeTypeFont.h"
#include "platform/render/TestFace.h"

#include <map>
#include <string>
#include <tuple>

namespace platform::render {
namespace {

// Past this many entries a table is emptied; fonts already handed out stay
// valid, they own what they use.
constexpr std::size_t cacheEntries = 64;

template<typename Map>
void makeRoom(Map& map)
{
    if (map.size() >= cacheEntries) {
        map.clear();
    }
}

class FontCache {
public:
    std::shared_ptr<const RealizedFont> realize(const Font& font, std::int32_t dpiY)
    {
        const FontKey key{font.face(), font.pointSize(), font.weight(), font.italic(), dpiY};
        if (const auto known = fonts_.find(key); known != fonts_.end()) {
            return known->second;
        }
        const std::int32_t height = Font::requestedHeight(font.pointSize(), dpiY);
        const FaceSource source = findFace(font.face(), font.weight(), font.italic());
        std::shared_ptr<const RealizedFont> made;
        try {
            made = open(source, height, dpiY);
        } catch (PlatformError& error) {
            const FaceSource fallback = findFace(sansFamily, font.weight(), font.italic());
            if (fallback == source) {
                error.addLocation();
                throw;
            }
            made = open(fallback, height, dpiY);
        }
        makeRoom(fonts_);
        fonts_.emplace(key, made);
        return made;
    }

    std::shared_ptr<const RealizedFont> open(const FaceSource& source, std::int32_t requestedHeight,
                                             std::int32_t dpiY)
    {
        const FaceSize size = sizeFace(requestedHeight, dpiY, design(source));
        return std::make_shared<FreeTypeFont>(face(source, size.emPixels), source, size, dpiY);
    }

private:
    using FontKey = std::tuple<std::string, std::int32_t, std::int32_t, bool, std::int32_t>;
    using FileKey = std::tuple<std::string, std::int32_t>;
    using FaceKey = std::tuple<std::string, std::int32_t, std::int32_t, bool>;

    const std::shared_ptr<const FreeTypeLibrary>& library()
    {
        if (!library_) {
            library_ = std::make_shared<const FreeTypeLibrary>();
        }
        return library_;
    }

    FaceDesign design(const FaceSource& source)
    {
        const FileKey key{source.file, source.index};
        if (const auto known = designs_.find(key); known != designs_.end()) {
            return known->second;
        }
        const FaceDesign read = readFaceDesign(*library(), source);
        makeRoom(designs_);
        designs_.emplace(key, read);
        return read;
    }

    std::shared_ptr<const FreeTypeFace> face(const FaceSource& source, std::int32_t emPixels)
    {
        const FaceKey key{source.file, source.index, emPixels, source.embolden};
        if (const auto known = faces_.find(key); known != faces_.end()) {
            return known->second;
        }
        auto opened = std::make_shared<const FreeTypeFace>(library(), source, emPixels);
        makeRoom(faces_);
        faces_.emplace(key, opened);
        return opened;
    }

    std::shared_ptr<const FreeTypeLibrary> library_;
    std::map<FontKey, std::shared_ptr<const RealizedFont>> fonts_;
    std::map<FileKey, FaceDesign> designs_;
    std::map<FaceKey, std::shared_ptr<const FreeTypeFace>> faces_;
};

FontCache& cache()
{
    static FontCache instance;
    return instance;
}

} // namespace

std::shared_ptr<const RealizedFont> realizeFont(const Font& font, std::int32_t dpiY)
{
    if (const std::optional<TestFace>& testFace = activeTestFace()) {
        return makeTestFont(*testFace, dpiY);
    }
    return cache().realize(font, dpiY);
}

std::shared_ptr<const RealizedFont> openFont(const FaceSource& source, std::int32_t requestedHeight,
                                             std::int32_t dpiY)
{
    return cache().open(source, requestedHeight, dpiY);
}

} // namespace platform::render
