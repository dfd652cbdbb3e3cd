#include "ScopedTestFace.h"

#include "platform/FontMetrics.h"
#include "platform/render/FontLibrary.h"

#include <gtest/gtest.h>

#include <climits>

using platform::Font;
using platform::FontMetrics;
using platform::render::TestFace;
using render_testing::ScopedTestFace;
using render_testing::simpleFace;

TEST(TestFaceTest, EveryFontMeasuresWithTheChosenMetrics)
{
    ScopedTestFace face(simpleFace());
    Font bold = Font::systemDefault();
    bold.setFace("Arial");
    bold.setPointSize(72);
    bold.setWeight(Font::boldWeight);
    for (const Font& font : {Font::systemDefault(), bold}) {
        const FontMetrics metrics(font, 96);
        EXPECT_EQ(metrics.lineHeight(), 10);
        EXPECT_EQ(metrics.textWidth(""), 0);
        EXPECT_EQ(metrics.textWidth("a"), 5);
        EXPECT_EQ(metrics.textWidth("Wa W"), 7 + 5 + 3 + 7);
        // A broken byte is one character, as drawn.
        EXPECT_EQ(metrics.textWidth("caf\xE9"), 20);
        EXPECT_EQ(metrics.describe(), "test face ascent 8 descent 2 dpi 96 lineHeight 10");
    }
}

TEST(TestFaceTest, OddChoicesStayInRange)
{
    ScopedTestFace face(TestFace{INT_MAX, INT_MAX, [](char32_t c) { return c == U'-' ? -4 : INT_MAX; }});
    const FontMetrics metrics(Font::systemDefault(), 96);
    EXPECT_EQ(metrics.lineHeight(), INT_MAX);
    EXPECT_EQ(metrics.textWidth("-"), 0);
    EXPECT_EQ(metrics.textWidth("ab"), INT_MAX);

    platform::render::useTestFace(TestFace{3, 1, nullptr});
    EXPECT_EQ(FontMetrics(Font::systemDefault(), 96).textWidth("abc"), 0);
}

TEST(TestFaceTest, RealFontsComeBackWhenTheTestFaceIsTakenAway)
{
    {
        ScopedTestFace face(simpleFace());
        EXPECT_EQ(FontMetrics(Font::systemDefault(), 96).lineHeight(), 10);
    }
    EXPECT_NE(FontMetrics(Font::systemDefault(), 96).describe().find("file "), std::string::npos);
}
