#include "platform/render/Utf8.h"

#include <gtest/gtest.h>

#include <string>

using platform::render::decodeUtf8;

TEST(Utf8Test, DecodesValidTextAndReplacesEachBrokenPieceOnce)
{
    struct Case {
        std::string bytes;
        std::u32string characters;
    };
    const Case cases[] = {
        {"", U""},
        {"Setup", U"Setup"},
        {"\xC3\xA9t\xC3\xA9", U"\u00E9t\u00E9"},
        {"\xE2\x82\xAC", U"\u20AC"},
        {"\xF0\x9F\x92\xBF", U"\U0001F4BF"},
        {"\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
        // A Windows-1252 byte on its own, a stray continuation byte.
        {"caf\xE9!", U"caf\uFFFD!"},
        {"a\x80z", U"a\uFFFDz"},
        // Cut short at the end, or by an ASCII character.
        {"\xE2\x82", U"\uFFFD"},
        {"\xE2\x82z", U"\uFFFDz"},
        {"\xF0\x9F\x92", U"\uFFFD"},
        // Overlong forms, a surrogate, beyond U+10FFFF, bytes never used.
        {"\xC0\xAF", U"\uFFFD\uFFFD"},
        {"\xE0\x80\xAF", U"\uFFFD\uFFFD\uFFFD"},
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xFE\xFF", U"\uFFFD\uFFFD"},
        {std::string("a\0b", 3), std::u32string(U"a\0b", 3)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(decodeUtf8(c.bytes), c.characters) << testing::PrintToString(c.bytes);
    }
}
