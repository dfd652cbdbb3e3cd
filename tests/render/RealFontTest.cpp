// These tests use the fonts installed on the machine: DejaVu Sans (Debian's
// fonts-dejavu-core) is the desktop's sans face where they run. They check
// what holds for any glyph shapes, never a glyph's exact pixels.

#include "platform/FontMetrics.h"
#include "platform/render/FontLibrary.h"
#include "platform/render/FontMatch.h"
#include "platform/render/Framebuffer.h"
#include "platform/render/SoftwareContext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

using platform::Bitmap;
using platform::Color;
using platform::Font;
using platform::FontMetrics;
using platform::render::blendPixel;
using platform::render::FaceSource;
using platform::render::findFace;
using platform::render::Framebuffer;
using platform::render::openFont;
using platform::render::pixelOf;
using platform::render::SoftwareContext;

namespace {

constexpr std::uint32_t paper = 0x204060;
constexpr Color red{255, 0, 0};
constexpr Color white{255, 255, 255};
constexpr Color yellow{255, 255, 0};

// DejaVu Sans's design: 2048 units an em, OS/2 usWinAscent 1901 and
// usWinDescent 483.
constexpr double unitsPerEm = 2048;
constexpr double winAscent = 1901;
constexpr double winDescent = 483;

Font dejaVu(std::int32_t points, std::int32_t weight = Font::normalWeight)
{
    Font font = Font::systemDefault();
    font.setFace("DejaVu Sans");
    font.setPointSize(points);
    font.setWeight(weight);
    return font;
}

// The Windows line height for a character height of `em` pixels.
std::int32_t expectedLineHeight(double em)
{
    return static_cast<std::int32_t>(std::lround(em * winAscent / unitsPerEm) +
                                     std::lround(em * winDescent / unitsPerEm));
}

bool endsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

TEST(RealFontTest, FindsNamedFacesAndSendsUnknownOnesToTheSansFace)
{
    const FaceSource regular = findFace("DejaVu Sans", Font::normalWeight, false);
    EXPECT_EQ(regular.family, "DejaVu Sans");
    EXPECT_TRUE(endsWith(regular.file, "/DejaVuSans.ttf")) << regular.file;
    EXPECT_FALSE(regular.embolden);
    EXPECT_EQ(findFace("dejavu SANS", Font::normalWeight, false), regular);

    const FaceSource bold = findFace("DejaVu Sans", Font::boldWeight, false);
    EXPECT_TRUE(endsWith(bold.file, "/DejaVuSans-Bold.ttf")) << bold.file;
    EXPECT_FALSE(bold.embolden);

    for (const std::int32_t weight : {Font::normalWeight, Font::boldWeight}) {
        const FaceSource sans = findFace(platform::render::sansFamily, weight, false);
        EXPECT_FALSE(sans.family.empty());
        for (const char* unknown : {"Helv", "MS Sans Serif", "No Such Face 12345", ""}) {
            EXPECT_EQ(findFace(unknown, weight, false), sans) << unknown << " " << weight;
        }
    }

    Font helv = Font::systemDefault();
    helv.setFace("Helv");
    Font sansSerif = helv;
    sansSerif.setFace("sans-serif");
    EXPECT_EQ(FontMetrics(helv, 96).describe(), FontMetrics(sansSerif, 96).describe());
}

TEST(RealFontTest, LineHeightIsTheWindowsAscentPlusDescent)
{
    struct Case {
        std::int32_t points;
        std::int32_t dpi;
        double em; // < 0: a cell of -em pixels
    };
    // 10 pt at 96 dpi asks for 13 pixels, 12 pt for 16, 9 pt at 120 dpi for
    // 15; no size means 10 pt; -15 pt asks for a cell of 19 pixels; sizes
    // beyond 1000 pixels are held there.
    for (const Case& c : {Case{10, 96, 13}, Case{12, 96, 16}, Case{9, 120, 15}, Case{0, 96, 13}, Case{0, 120, 17},
                          Case{-15, 96, -19}, Case{100000, 96, 1000}, Case{INT_MIN, 96, -1000}}) {
        const FontMetrics metrics(dejaVu(c.points), c.dpi);
        const std::int32_t expected = c.em > 0 ? expectedLineHeight(c.em) : static_cast<std::int32_t>(-c.em);
        EXPECT_EQ(metrics.lineHeight(), expected) << c.points << " pt at " << c.dpi << ": " << metrics.describe();
    }

    const std::string described = FontMetrics(dejaVu(10), 96).describe();
    EXPECT_EQ(described.rfind("face \"DejaVu Sans\" style \"Book\" file /", 0), 0u) << described;
    EXPECT_TRUE(endsWith(described, "/DejaVuSans.ttf pixels 13 dpi 96 lineHeight 15")) << described;
}

TEST(RealFontTest, WidthsAreSumsOfAdvancesWithoutKerning)
{
    for (const std::int32_t weight : {Font::normalWeight, Font::boldWeight}) {
        const FontMetrics metrics(dejaVu(10, weight), 96);
        EXPECT_EQ(metrics.textWidth(""), 0);
        EXPECT_GT(metrics.textWidth("a"), 0);
        EXPECT_GT(metrics.textWidth(" "), 0);
        // "AV" and "To" are kerned pairs in DejaVu Sans.
        for (const auto& [pair, first, second] : {std::tuple{"ab", "a", "b"}, std::tuple{"AV", "A", "V"},
                                                  std::tuple{"To", "T", "o"}, std::tuple{"a b", "a ", "b"}}) {
            EXPECT_EQ(metrics.textWidth(pair), metrics.textWidth(first) + metrics.textWidth(second)) << pair;
        }
        EXPECT_GT(metrics.textWidth("\xC3\xA9"), 0);
        EXPECT_EQ(metrics.textWidth("\xE9"), metrics.textWidth("\xEF\xBF\xBD"));
    }
    const std::string text = "Install the program";
    EXPECT_GT(FontMetrics(dejaVu(10, Font::boldWeight), 96).textWidth(text),
              FontMetrics(dejaVu(10), 96).textWidth(text));
}

TEST(RealFontTest, DrawingMovesOnByTheMeasuredAdvances)
{
    // The letters stand apart, so drawing them one by one at the measured
    // positions must give the same pixels as drawing them together.
    const std::string pieces[] = {"l", "I", "l", "H"};
    for (const std::int32_t weight : {Font::normalWeight, Font::boldWeight}) {
        const Font font = dejaVu(10, weight);
        Framebuffer together(80, 20, paper);
        SoftwareContext togetherContext(together, 96);
        togetherContext.setFont(font);
        togetherContext.drawText({2, 2}, "lIlH");

        Framebuffer apart(80, 20, paper);
        SoftwareContext apartContext(apart, 96);
        apartContext.setFont(font);
        const FontMetrics metrics(font, 96);
        std::int32_t x = 2;
        for (const std::string& piece : pieces) {
            apartContext.drawText({x, 2}, piece);
            x += metrics.textWidth(piece);
        }
        EXPECT_EQ(x - 2, metrics.textWidth("lIlH"));
        EXPECT_EQ(apart.visible(), together.visible()) << weight;
    }
}

TEST(RealFontTest, MadeUpBoldIsWiderInMeasuringAndDrawing)
{
    FaceSource source = findFace("DejaVu Sans", Font::normalWeight, false);
    const auto plain = openFont(source, -13, 96);
    source.embolden = true;
    const auto emboldened = openFont(source, -13, 96);

    EXPECT_NE(emboldened->describe().find("style \"Book\" emboldened file "), std::string::npos)
        << emboldened->describe();
    EXPECT_EQ(emboldened->lineHeight(), plain->lineHeight());
    for (const char32_t character : {U'a', U'W', U'l'}) {
        EXPECT_GT(emboldened->advance(character), plain->advance(character));
        EXPECT_EQ(emboldened->glyph(character)->advance, emboldened->advance(character));
        std::uint64_t plainInk = 0;
        std::uint64_t boldInk = 0;
        for (const std::uint8_t amount : plain->glyph(character)->coverage) {
            plainInk += amount;
        }
        for (const std::uint8_t amount : emboldened->glyph(character)->coverage) {
            boldInk += amount;
        }
        EXPECT_GT(boldInk, plainInk);
    }
}

TEST(RealFontTest, TextSitsInItsCellAndBlendsInThePenColour)
{
    const Font font = dejaVu(40);
    const FontMetrics metrics(font, 96);
    // Both letters stand flat on the baseline and rise to above the capitals.
    const std::string text = "lI";
    Framebuffer frame(metrics.textWidth(text) + 20, metrics.lineHeight() + 20, paper);
    SoftwareContext context(frame, 96);
    context.setFont(font);
    context.setPenColor(yellow);
    context.drawText({10, 10}, text);

    // The cell's top is at y = 10; the ascent follows the line height's rule.
    const std::int32_t baseline = 10 + static_cast<std::int32_t>(std::lround(53 * winAscent / unitsPerEm));
    std::int32_t inkTop = INT_MAX;
    std::int32_t inkBottom = INT_MIN;
    bool fullyCovered = false;
    for (std::int32_t y = 0; y < frame.height(); ++y) {
        for (std::int32_t x = 0; x < frame.width(); ++x) {
            const std::uint32_t shown = frame.pixel(x, y);
            if (shown == paper) {
                continue;
            }
            inkTop = std::min(inkTop, y);
            inkBottom = std::max(inkBottom, y);
            fullyCovered = fullyCovered || shown == pixelOf(yellow);
            EXPECT_GE(x, 10);
            EXPECT_LT(x, 10 + metrics.textWidth(text));
            // Every pixel is the paper blended towards the pen.
            bool blended = false;
            for (int amount = 1; amount <= 255 && !blended; ++amount) {
                blended = shown == blendPixel(paper, pixelOf(yellow), static_cast<std::uint8_t>(amount));
            }
            EXPECT_TRUE(blended) << std::hex << shown << " at " << std::dec << x << "," << y;
        }
    }
    EXPECT_TRUE(fullyCovered);
    // The lowest row inked is the one just above the baseline; hinting may
    // leave the flat bottoms a fraction of a pixel lower.
    EXPECT_GE(inkBottom, baseline - 1);
    EXPECT_LE(inkBottom, baseline);
    EXPECT_GE(inkTop, 10);
    EXPECT_LT(inkTop, baseline - 35);
}

TEST(RealFontTest, RecolouringManyTimesLooksLikeAFreshPaint)
{
    const std::string text = "Setup \xC3\xA9 AVW//fi";
    for (const std::int32_t weight : {Font::normalWeight, Font::boldWeight}) {
        Framebuffer fresh(220, 24, paper);
        SoftwareContext freshContext(fresh, 96);
        freshContext.setFont(dejaVu(10, weight));
        freshContext.setPenColor(white);
        freshContext.drawText({3, 4}, text);

        Framebuffer recoloured(220, 24, paper);
        SoftwareContext context(recoloured, 96);
        context.setFont(dejaVu(10, weight));
        // Highlighted and back to rest, 25 times: the last drawing is white.
        for (int i = 0; i < 50; ++i) {
            context.setPenColor(i % 2 == 0 ? red : white);
            context.drawText({3, 4}, text);
        }
        EXPECT_EQ(recoloured.visible(), fresh.visible()) << weight;

        // A picture drawn afterwards covers the text completely.
        Bitmap picture(220, 24);
        for (std::uint32_t& pixel : picture.pixels()) {
            pixel = 0x00AA55;
        }
        context.drawBitmap({0, 0}, picture);
        EXPECT_EQ(recoloured.visible(), picture.pixels());
    }
}
