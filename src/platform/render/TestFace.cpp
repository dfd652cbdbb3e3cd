#include "platform/render/TestFace.h"

#include <algorithm>
#include <sstream>

namespace platform::render {
namespace {

std::optional<TestFace>& testFaceInUse()
{
    static std::optional<TestFace> face;
    return face;
}

bool isBlank(char32_t character)
{
    return character == U' ' || character == U'\t' || character == 0xA0;
}

class TestFont final : public RealizedFont {
public:
    TestFont(TestFace face, std::int32_t dpiY)
        : face_(std::move(face))
        , dpiY_(dpiY)
    {
        face_.ascent = std::max(face_.ascent, 0);
        face_.descent = std::max(face_.descent, 0);
    }

    std::int32_t ascent() const override { return face_.ascent; }
    std::int32_t descent() const override { return face_.descent; }

    std::int32_t advance(char32_t character) const override
    {
        return face_.advance ? std::max(face_.advance(character), 0) : 0;
    }

    std::shared_ptr<const Glyph> glyph(char32_t character) const override
    {
        auto made = std::make_shared<Glyph>();
        made->advance = advance(character);
        if (!isBlank(character)) {
            made->top = face_.ascent;
            made->width = made->advance;
            made->height = lineHeight();
            made->solid = true;
        }
        return made;
    }

    std::string describe() const override
    {
        std::ostringstream text;
        text << "test face ascent " << face_.ascent << " descent " << face_.descent << " dpi " << dpiY_
             << " lineHeight " << lineHeight();
        return text.str();
    }

private:
    TestFace face_;
    std::int32_t dpiY_;
};

} // namespace

void useTestFace(std::optional<TestFace> face)
{
    testFaceInUse() = std::move(face);
}

const std::optional<TestFace>& activeTestFace()
{
    return testFaceInUse();
}

std::shared_ptr<const RealizedFont> makeTestFont(const TestFace& face, std::int32_t dpiY)
{
    return std::make_shared<TestFont>(face, dpiY);
}

} // namespace platform::render
