#include "platform/x11/MessageBoxIcon.h"
#include "platform/x11/MessageBoxLayout.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using namespace platform::x11;

namespace {

using Lines = std::vector<std::string>;

// Every character is 10 pixels wide, a "W" 30; continuation bytes of UTF-8
// add nothing.
std::int32_t fakeWidth(std::string_view text)
{
    std::int32_t width = 0;
    for (const char byte : text) {
        if ((static_cast<unsigned char>(byte) & 0xC0) == 0x80)
            continue;
        width += byte == 'W' ? 30 : 10;
    }
    return width;
}

} // namespace

TEST(MessageBoxWrapTest, BreaksAtBlanksLineBreaksAndInsideLongWords)
{
    struct Case {
        std::string text;
        std::int32_t maxWidth;
        Lines lines;
    };
    const std::string e = "\xC3\xA9"; // é, two bytes
    const std::vector<Case> cases{
        {"", 100, {""}},
        {"short", 100, {"short"}},
        {"abcde fghi", 100, {"abcde fghi"}}, // exactly as wide as a line
        {"the quick brown fox jumps", 100, {"the quick", "brown fox", "jumps"}},
        {"a  b", 100, {"a  b"}},                          // blanks inside a line stay
        {"abcdefgh   ijk", 100, {"abcdefgh", "ijk"}},     // blanks at a break go
        {"  indented", 100, {"  indented"}},              // leading blanks stay
        {"word   ", 100, {"word"}},                       // trailing blanks go
        {"one\ntwo", 100, {"one", "two"}},
        {"one\r\ntwo", 100, {"one", "two"}},
        {"one\rtwo", 100, {"one", "two"}},
        {"a\n\nb", 100, {"a", "", "b"}},
        {"a\n", 100, {"a", ""}},
        {"abcdefghijklmnopqrstuvwxy", 100, {"abcdefghij", "klmnopqrst", "uvwxy"}},
        {"hi abcdefghijklmno", 100, {"hi", "abcdefghij", "klmno"}},
        {"abcdefghijkl mn", 100, {"abcdefghij", "kl mn"}}, // the rest of a cut word takes the next
        {"WWWW aaa", 100, {"WWW", "W aaa"}},                 // widths, not characters, count
        {std::string(11, 'x') + "\n" + "ab cd", 50, {"xxxxx", "xxxxx", "x", "ab cd"}},
        {"abc", 0, {"a", "b", "c"}}, // too narrow for anything: a character a line
        {e + e + e + e + e + e, 40, {e + e + e + e, e + e}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(wrapText(c.text, fakeWidth, c.maxWidth), c.lines) << '"' << c.text << "\" at " << c.maxWidth;
    }
}

TEST(MessageBoxWrapTest, LinesFitAndKeepEveryWord)
{
    const std::string text = "Cannot open file: D:\\Setup\\Languages\\0409\\autoplay.ini because the disc "
                             "is not in the drive or the folder Installationsvoraussetzungen is missing";
    for (const std::int32_t maxWidth : {60, 150, 420}) {
        const Lines lines = wrapText(text, fakeWidth, maxWidth);
        std::string words;
        for (const std::string& line : lines) {
            EXPECT_LE(fakeWidth(line), maxWidth) << line;
            EXPECT_FALSE(line.empty());
            EXPECT_NE(line.front(), ' ') << line;
            EXPECT_NE(line.back(), ' ') << line;
            words += line;
        }
        std::string expected = text;
        std::erase(expected, ' ');
        std::erase(words, ' ');
        EXPECT_EQ(words, expected) << "at " << maxWidth;
    }
}

TEST(MessageBoxKeysTest, AnswersAndMovesTheFocus)
{
    struct Case {
        BoxKey key;
        MessageButtons buttons;
        std::size_t focus;
        std::optional<MessageAnswer> answer;
        std::size_t focusAfter;
    };
    constexpr auto ok = MessageButtons::ok;
    constexpr auto retryCancel = MessageButtons::retryCancel;
    const std::vector<Case> cases{
        {BoxKey::activate, ok, 0, MessageAnswer::ok, 0},
        {BoxKey::escape, ok, 0, MessageAnswer::ok, 0},
        {BoxKey::next, ok, 0, std::nullopt, 0},
        {BoxKey::previous, ok, 0, std::nullopt, 0},
        {BoxKey::activate, retryCancel, 0, MessageAnswer::retry, 0},
        {BoxKey::activate, retryCancel, 1, MessageAnswer::cancel, 1},
        {BoxKey::escape, retryCancel, 0, MessageAnswer::cancel, 0},
        {BoxKey::next, retryCancel, 0, std::nullopt, 1},
        {BoxKey::next, retryCancel, 1, std::nullopt, 0},
        {BoxKey::previous, retryCancel, 0, std::nullopt, 1},
        {BoxKey::previous, retryCancel, 1, std::nullopt, 0},
        {BoxKey::other, retryCancel, 1, std::nullopt, 1},
        {BoxKey::activate, retryCancel, 7, MessageAnswer::cancel, 1}, // a focus past the end is the last button
    };
    for (const Case& c : cases) {
        const KeyResponse response = respondToKey(c.key, c.buttons, c.focus);
        EXPECT_EQ(response.answer, c.answer) << static_cast<int>(c.key) << " on " << c.focus;
        EXPECT_EQ(response.focus, c.focusAfter) << static_cast<int>(c.key) << " on " << c.focus;
    }
}

TEST(MessageBoxKeysTest, ButtonsAndTheirAnswers)
{
    const auto ok = buttonChoices(MessageButtons::ok);
    ASSERT_EQ(ok.size(), 1U);
    EXPECT_EQ(ok[0].label, "OK");
    EXPECT_EQ(ok[0].answer, MessageAnswer::ok);
    const auto retryCancel = buttonChoices(MessageButtons::retryCancel);
    ASSERT_EQ(retryCancel.size(), 2U);
    EXPECT_EQ(retryCancel[0].label, "Retry");
    EXPECT_EQ(retryCancel[0].answer, MessageAnswer::retry);
    EXPECT_EQ(retryCancel[1].label, "Cancel");
    EXPECT_EQ(retryCancel[1].answer, MessageAnswer::cancel);
    EXPECT_EQ(escapeAnswer(MessageButtons::ok), MessageAnswer::ok);
    EXPECT_EQ(escapeAnswer(MessageButtons::retryCancel), MessageAnswer::cancel);
}

namespace {

BoxMeasures measures(std::size_t lines, std::int32_t textWidth, std::size_t buttons, std::int32_t dpi = 96)
{
    BoxMeasures m;
    m.dpi = dpi;
    m.lineHeight = 16 * dpi / 96;
    m.lineCount = lines;
    m.textWidth = textWidth;
    m.widestLabel = 40 * dpi / 96;
    m.buttonCount = buttons;
    return m;
}

bool inside(const platform::Rect& inner, const platform::Rect& outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

} // namespace

TEST(MessageBoxLayoutTest, IconTextAndButtonsFindTheirPlaces)
{
    struct Case {
        std::size_t lines;
        std::int32_t textWidth;
        std::size_t buttons;
    };
    for (const Case& c : {Case{1, 30, 1}, Case{1, 420, 2}, Case{6, 300, 2}, Case{12, 420, 1}}) {
        const BoxLayout layout = layOutBox(measures(c.lines, c.textWidth, c.buttons));
        const platform::Rect client{0, 0, layout.client.width, layout.client.height};
        const std::string name = std::to_string(c.lines) + " lines, " + std::to_string(c.buttons) + " buttons";

        EXPECT_EQ(layout.icon.width(), 32) << name;
        EXPECT_EQ(layout.icon.height(), 32) << name;
        EXPECT_TRUE(inside(layout.icon, layout.messageArea)) << name;
        EXPECT_GE(layout.text.x, layout.icon.right + 14) << name;
        EXPECT_EQ(layout.shownLines, c.lines) << name;
        const platform::Rect text{layout.text.x, layout.text.y, layout.text.x + c.textWidth,
                                  layout.text.y + static_cast<std::int32_t>(c.lines) * 16};
        EXPECT_TRUE(inside(text, layout.messageArea)) << name;
        EXPECT_GE(layout.client.width, 240) << name;

        // The buttons: as many as asked, of one size, in a row below the
        // message, the last one at the bottom right.
        ASSERT_EQ(layout.buttons.size(), c.buttons) << name;
        for (std::size_t index = 0; index < layout.buttons.size(); ++index) {
            const platform::Rect& button = layout.buttons[index];
            EXPECT_TRUE(inside(button, client)) << name;
            EXPECT_GE(button.top, layout.messageArea.bottom + 12) << name;
            EXPECT_EQ(button.size(), layout.buttons[0].size()) << name;
            EXPECT_GE(button.width(), 88) << name;
            if (index > 0) {
                EXPECT_EQ(button.left, layout.buttons[index - 1].right + 8) << name;
            }
        }
        EXPECT_EQ(layout.buttons.back().right, layout.client.width - 12) << name;
        EXPECT_EQ(layout.buttons.back().bottom, layout.client.height - 12) << name;
    }
}

TEST(MessageBoxLayoutTest, ShortTextIsCentredBesideTheIconLongTextStartsAtItsTop)
{
    const BoxLayout one = layOutBox(measures(1, 100, 1));
    EXPECT_EQ(one.text.y + 8, one.icon.top + 16); // the line's middle at the icon's middle
    const BoxLayout many = layOutBox(measures(5, 100, 1));
    EXPECT_EQ(many.text.y, many.icon.top);
    EXPECT_EQ(many.messageArea.bottom, many.text.y + 5 * 16 + 20);
}

TEST(MessageBoxLayoutTest, WideLabelsWidenTheButtonsAndTheBox)
{
    BoxMeasures wide = measures(1, 30, 2);
    wide.widestLabel = 200;
    const BoxLayout layout = layOutBox(wide);
    EXPECT_EQ(layout.buttons[0].width(), 200 + 2 * 14);
    EXPECT_EQ(layout.buttons[0].left, 12);
    EXPECT_EQ(layout.client.width, 2 * 228 + 8 + 2 * 12);
}

TEST(MessageBoxLayoutTest, ScalesWithTheResolution)
{
    const BoxLayout normal = layOutBox(measures(2, 300, 2, 96));
    const BoxLayout doubled = layOutBox(measures(2, 600, 2, 192));
    EXPECT_EQ(doubled.client.width, 2 * normal.client.width);
    EXPECT_EQ(doubled.client.height, 2 * normal.client.height);
    EXPECT_EQ(doubled.icon.width(), 64);
    EXPECT_EQ(doubled.buttons[1].left, 2 * normal.buttons[1].left);
    EXPECT_EQ(scaled(boxSizes::maxTextWidth, 120), 525);
    EXPECT_EQ(scaled(1, 144), 2); // halves round up
}

TEST(MessageBoxLayoutTest, LinesBeyondTheScreenAreLeftOut)
{
    BoxMeasures tall = measures(500, 300, 2);
    tall.maxHeight = 768;
    const BoxLayout layout = layOutBox(tall);
    EXPECT_LT(layout.shownLines, 500U);
    EXPECT_GT(layout.shownLines, 30U);
    EXPECT_LE(layout.client.height, 768);
    EXPECT_GT(layout.client.height + 16, 768); // no more than a line of room wasted

    tall.maxHeight = 10; // not even one line fits: one is shown all the same
    EXPECT_EQ(layOutBox(tall).shownLines, 1U);
}

TEST(MessageBoxLayoutTest, FindsTheButtonUnderThePointer)
{
    const BoxLayout layout = layOutBox(measures(1, 200, 2));
    const platform::Rect retry = layout.buttons[0];
    const platform::Rect cancel = layout.buttons[1];
    struct Case {
        platform::Point point;
        std::optional<std::size_t> button;
    };
    for (const Case& c : {Case{retry.topLeft(), 0}, Case{{retry.right - 1, retry.bottom - 1}, 0},
                          Case{{retry.right, retry.top}, std::nullopt}, // the gap
                          Case{{cancel.left, cancel.top + 3}, 1}, Case{{cancel.right - 1, cancel.top}, 1},
                          Case{{cancel.right, cancel.top}, std::nullopt},
                          Case{{cancel.left, cancel.bottom}, std::nullopt},
                          Case{layout.text, std::nullopt}, Case{{-1, -1}, std::nullopt}}) {
        EXPECT_EQ(buttonAt(layout, c.point), c.button) << c.point.x << "," << c.point.y;
    }
}

namespace {

struct Rgb {
    int red;
    int green;
    int blue;
};

Rgb rgbOf(std::uint32_t pixel)
{
    return {static_cast<int>((pixel >> 16) & 0xFF), static_cast<int>((pixel >> 8) & 0xFF),
            static_cast<int>(pixel & 0xFF)};
}

} // namespace

TEST(MessageBoxIconTest, EachKindHasItsColoursAndSign)
{
    struct Probe {
        int x;
        int y;
        bool (*matches)(Rgb);
        const char* what;
    };
    const auto red = [](Rgb c) { return c.red > 170 && c.green < 110 && c.blue < 110; };
    const auto blue = [](Rgb c) { return c.blue > 170 && c.red < 110 && c.blue > c.green + 40; };
    const auto yellow = [](Rgb c) { return c.red > 200 && c.green > 150 && c.blue < 110; };
    const auto white = [](Rgb c) { return c.red > 235 && c.green > 235 && c.blue > 235; };
    const auto black = [](Rgb c) { return c.red < 60 && c.green < 60 && c.blue < 60; };
    struct Case {
        MessageIcon icon;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases{
        {MessageIcon::stop, {{16, 5, red, "disc"}, {5, 16, red, "disc"}, {16, 16, white, "cross"},
                             {12, 12, white, "cross"}, {19, 12, white, "cross"}}},
        {MessageIcon::information, {{16, 5, blue, "disc"}, {7, 16, blue, "disc"}, {16, 8, white, "dot"},
                                    {16, 18, white, "stem"}, {16, 11, blue, "gap"}}},
        {MessageIcon::exclamation, {{16, 6, yellow, "triangle"}, {8, 25, yellow, "triangle"},
                                    {16, 15, black, "stroke"}, {16, 23, black, "dot"}, {16, 20, yellow, "gap"}}},
    };
    constexpr std::uint32_t background = 0xFFFFFF;
    for (const Case& c : cases) {
        const platform::Bitmap icon = drawMessageIcon(c.icon, 32, background);
        ASSERT_EQ(icon.size(), (platform::Size{32, 32}));
        for (const auto& [x, y] : {std::pair{0, 0}, std::pair{31, 0}, std::pair{0, 31}, std::pair{31, 31}})
            EXPECT_EQ(icon.pixel(x, y), background) << static_cast<int>(c.icon) << " corner " << x << "," << y;
        for (const Probe& probe : c.probes) {
            const Rgb colour = rgbOf(icon.pixel(probe.x, probe.y));
            EXPECT_TRUE(probe.matches(colour)) << static_cast<int>(c.icon) << ' ' << probe.what << " at " << probe.x
                                               << "," << probe.y << ": " << colour.red << ' ' << colour.green << ' '
                                               << colour.blue;
        }
    }
}

// Over white and over black, a fully covered pixel is the same and an
// untouched one is the background; a smoothed edge has pixels that are
// neither.
TEST(MessageBoxIconTest, EdgesAreSmoothed)
{
    for (const MessageIcon kind : {MessageIcon::stop, MessageIcon::information, MessageIcon::exclamation}) {
        const platform::Bitmap overWhite = drawMessageIcon(kind, 32, 0xFFFFFF);
        const platform::Bitmap overBlack = drawMessageIcon(kind, 32, 0x000000);
        bool partial = false;
        for (std::int32_t y = 0; y < 32; ++y) {
            for (std::int32_t x = 0; x < 32; ++x) {
                const std::uint32_t white = overWhite.pixel(x, y);
                const std::uint32_t black = overBlack.pixel(x, y);
                partial = partial || (white != 0xFFFFFF && black != 0 && white != black);
            }
        }
        EXPECT_TRUE(partial) << static_cast<int>(kind);
    }
}

TEST(MessageBoxIconTest, ScalesToTheSizeAsked)
{
    const platform::Bitmap small = drawMessageIcon(MessageIcon::information, 32, 0xF0F0F0);
    const platform::Bitmap large = drawMessageIcon(MessageIcon::information, 64, 0xF0F0F0);
    ASSERT_EQ(large.size(), (platform::Size{64, 64}));
    // The middle of a stroke, of the disc and of the background land on the
    // same colours at twice the size.
    for (const auto& [x, y] : {std::pair{16, 8}, std::pair{16, 20}, std::pair{7, 16}, std::pair{0, 0}}) {
        const Rgb a = rgbOf(small.pixel(x, y));
        const Rgb b = rgbOf(large.pixel(2 * x, 2 * y));
        EXPECT_NEAR(a.red, b.red, 24) << x << "," << y;
        EXPECT_NEAR(a.green, b.green, 24) << x << "," << y;
        EXPECT_NEAR(a.blue, b.blue, 24) << x << "," << y;
    }
    EXPECT_EQ(drawMessageIcon(MessageIcon::stop, 0, 0).size(), (platform::Size{0, 0}));
}
