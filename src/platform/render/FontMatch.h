#pragma once

#include <cstdint>
#include <string>

namespace platform::render {

// A face file chosen for a logical font.
struct FaceSource {
    std::string file;
    std::int32_t index = 0; // the face within a collection file
    std::string family;
    std::string style;
    // Bold was asked but the file is not bold: the glyphs are made bolder
    // when drawn and measured.
    bool embolden = false;

    friend bool operator==(const FaceSource&, const FaceSource&) = default;
};

// The desktop's sans face, where unknown faces go.
inline constexpr const char* sansFamily = "sans-serif";

// Finds a face through fontconfig by family name, weight (600 and above ask
// for bold) and slant. A face whose family fontconfig does not know (the
// menu's default "Helv" is one) becomes the desktop's sans face with the same
// weight: when the family of the best match is not the one asked for,
// ignoring letter case, "sans-serif" is matched instead, so an unknown name
// never lands on whatever font happens to score best, a symbol font perhaps.
// Raises PlatformError when fontconfig finds no font at all.
FaceSource findFace(const std::string& family, std::int32_t weight, bool italic);

} // namespace platform::render
