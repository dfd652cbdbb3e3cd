#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A logical font: a face name, a size in points and a weight. The menu keeps
// it as a description; each backend turns it into a real font where it draws
// or measures text (GDI on Windows, FreeType through fontconfig elsewhere).
class Font {
public:
    static constexpr std::int32_t normalWeight = 400;
    static constexpr std::int32_t boldWeight = 700;

    // The desktop's default window font.
    static Font systemDefault();

    const std::string& face() const { return face_; }
    std::int32_t pointSize() const { return pointSize_; }
    std::int32_t weight() const { return weight_; }
    bool italic() const { return italic_; }

    void setFace(std::string face) { face_ = std::move(face); }
    void setPointSize(std::int32_t points) { pointSize_ = points; }
    void setWeight(std::int32_t weight) { weight_ = weight; }

    // The character height for a size in points at a vertical resolution, as
    // Windows asks for it: -((points * dpi + 36) / 72), the division
    // truncating toward zero. Negative means a character height; a negative
    // point size gives a positive cell height; 0 leaves the size to the
    // system. Absurd sizes saturate instead of overflowing.
    static std::int32_t requestedHeight(std::int32_t points, std::int32_t dpi);

    friend bool operator==(const Font&, const Font&) = default;

private:
    Font() = default;

    std::string face_;
    std::int32_t pointSize_ = 10;
    std::int32_t weight_ = normalWeight;
    bool italic_ = false;
};

} // namespace platform
