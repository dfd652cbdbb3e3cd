#include "platform/render/FontMatch.h"

#include "platform/PlatformError.h"
#include "platform/TextCompare.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform::render {
namespace {

struct PatternRelease {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using PatternHandle = std::unique_ptr<FcPattern, PatternRelease>;

bool asksBold(std::int32_t weight)
{
    return weight >= 600;
}

std::string stringOf(const FcPattern* pattern, const char* object, int id = 0)
{
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, id, &value) != FcResultMatch || value == nullptr) {
        return {};
    }
    return reinterpret_cast<const char*>(value);
}

PatternHandle bestMatch(const std::string& family, std::int32_t weight, bool italic)
{
    PatternHandle request(FcPatternCreate());
    if (!request) {
        throw PlatformError("fontconfig could not make a pattern for the face \"" + family + "\"");
    }
    FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(request.get(), FC_WEIGHT, asksBold(weight) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(request.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Outline fonts scale to any size; fixed-size bitmap fonts do not.
    FcPatternAddBool(request.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    PatternHandle match(FcFontMatch(nullptr, request.get(), &result));
    if (!match || stringOf(match.get(), FC_FILE).empty()) {
        throw PlatformError("fontconfig found no font for the face \"" + family + "\"");
    }
    return match;
}

// A matched face may list several family names ("DejaVu Sans" and
// "DejaVu Sans Condensed"); any of them counts.
bool hasFamily(const FcPattern* match, const std::string& family)
{
    for (int id = 0;; ++id) {
        FcChar8* value = nullptr;
        if (FcPatternGetString(match, FC_FAMILY, id, &value) != FcResultMatch) {
            return false;
        }
        if (value != nullptr && equalIgnoringCase(reinterpret_cast<const char*>(value), family)) {
            return true;
        }
    }
}

FaceSource sourceOf(const FcPattern* match, std::int32_t weight)
{
    FaceSource source;
    source.file = stringOf(match, FC_FILE);
    int index = 0;
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) {
        // The upper bits of a variable font's index name a named instance;
        // FreeType takes the whole value.
        source.index = index;
    }
    source.family = stringOf(match, FC_FAMILY);
    source.style = stringOf(match, FC_STYLE);
    int foundWeight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(match, FC_WEIGHT, 0, &foundWeight);
    source.embolden = asksBold(weight) && foundWeight < FC_WEIGHT_DEMIBOLD;
    return source;
}

} // namespace

FaceSource findFace(const std::string& family, std::int32_t weight, bool italic)
{
    if (!family.empty()) {
        const PatternHandle match = bestMatch(family, weight, italic);
        if (hasFamily(match.get(), family)) {
            return sourceOf(match.get(), weight);
        }
    }
    const PatternHandle fallback = bestMatch(sansFamily, weight, italic);
    return sourceOf(fallback.get(), weight);
}

} // namespace platform::render

#if defined(__SANITIZE_ADDRESS__)
// fontconfig 2.14 loses a few hundred bytes while it reads its configuration
// files (FcInit alone shows it). In the sanitizer builds LeakSanitizer is told
// to pass over leaks from inside fontconfig, so that it goes on reporting the
// project's own. This lives here because every program that uses fontconfig
// links this file. There can be one such function per program: further
// suppressions belong in this list.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}
#endif
