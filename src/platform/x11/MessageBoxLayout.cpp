#include "platform/x11/MessageBoxLayout.h"

#include <algorithm>
#include <array>

namespace platform::x11 {

namespace {

// The paragraphs of a text, split at "\r\n", "\n" or "\r".
std::vector<std::string_view> paragraphsOf(std::string_view text)
{
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n' && text[at] != '\r')
            continue;
        paragraphs.push_back(text.substr(start, at - start));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n')
            ++at;
        start = at + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

// The bytes of the character that starts at `at`: its first byte and the
// continuation bytes after it.
std::size_t characterLength(std::string_view text, std::size_t at)
{
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

// How many bytes of a word fit on a line: whole characters, at least one.
std::size_t fittingPrefix(std::string_view word, const TextWidth& width, std::int32_t maxWidth)
{
    std::size_t fits = characterLength(word, 0);
    while (fits < word.size()) {
        const std::size_t next = fits + characterLength(word, fits);
        if (width(word.substr(0, next)) > maxWidth)
            break;
        fits = next;
    }
    return fits;
}

void wrapParagraph(std::string_view paragraph, const TextWidth& width, std::int32_t maxWidth,
                   std::vector<std::string>& lines)
{
    std::string line;
    bool started = false; // whether the line holds a word yet
    std::size_t at = 0;
    while (at < paragraph.size()) {
        const std::size_t wordStart = paragraph.find_first_not_of(' ', at);
        if (wordStart == std::string_view::npos)
            break;
        const std::size_t wordEnd = std::min(paragraph.find(' ', wordStart), paragraph.size());
        const std::string_view blanks = paragraph.substr(at, wordStart - at);
        std::string_view word = paragraph.substr(wordStart, wordEnd - wordStart);
        at = wordEnd;

        std::string joined = line;
        joined.append(blanks).append(word);
        if (width(joined) <= maxWidth) {
            line = std::move(joined);
            started = true;
            continue;
        }
        // The word starts a line of its own, without the blanks before it,
        // cut into pieces while it is wider than a line.
        if (started)
            lines.push_back(std::move(line));
        while (width(word) > maxWidth) {
            const std::size_t cut = fittingPrefix(word, width, maxWidth);
            if (cut == word.size())
                break; // one character wider than a line stands alone
            lines.emplace_back(word.substr(0, cut));
            word.remove_prefix(cut);
        }
        line.assign(word);
        started = true;
    }
    lines.push_back(std::move(line));
}

constexpr std::array okButtons{ButtonChoice{"OK", MessageAnswer::ok}};
constexpr std::array retryCancelButtons{ButtonChoice{"Retry", MessageAnswer::retry},
                                        ButtonChoice{"Cancel", MessageAnswer::cancel}};

} // namespace

std::vector<std::string> wrapText(std::string_view text, const TextWidth& width, std::int32_t maxWidth)
{
    std::vector<std::string> lines;
    for (const std::string_view paragraph : paragraphsOf(text))
        wrapParagraph(paragraph, width, maxWidth, lines);
    return lines;
}

std::span<const ButtonChoice> buttonChoices(MessageButtons buttons)
{
    if (buttons == MessageButtons::retryCancel)
        return retryCancelButtons;
    return okButtons;
}

MessageAnswer escapeAnswer(MessageButtons buttons)
{
    return buttons == MessageButtons::ok ? MessageAnswer::ok : MessageAnswer::cancel;
}

KeyResponse respondToKey(BoxKey key, MessageButtons buttons, std::size_t focus)
{
    const std::span<const ButtonChoice> choices = buttonChoices(buttons);
    const std::size_t count = choices.size();
    focus = std::min(focus, count - 1);
    switch (key) {
    case BoxKey::activate:
        return {choices[focus].answer, focus};
    case BoxKey::escape:
        return {escapeAnswer(buttons), focus};
    case BoxKey::next:
        return {std::nullopt, (focus + 1) % count};
    case BoxKey::previous:
        return {std::nullopt, (focus + count - 1) % count};
    case BoxKey::other:
        break;
    }
    return {std::nullopt, focus};
}

std::int32_t scaled(std::int32_t length, std::int32_t dpi)
{
    return static_cast<std::int32_t>((std::int64_t{length} * dpi + 48) / 96);
}

BoxLayout layOutBox(const BoxMeasures& measures)
{
    const auto px = [&](std::int32_t length) { return scaled(length, measures.dpi); };
    const std::int32_t margin = px(boxSizes::margin);
    const std::int32_t iconSize = px(boxSizes::iconSize);
    const std::int32_t lineHeight = std::max(measures.lineHeight, 1);
    const std::size_t buttonCount = std::max<std::size_t>(measures.buttonCount, 1);

    // The buttons, all as wide as the widest label needs.
    const std::int32_t buttonWidth =
        std::max(px(boxSizes::buttonMinWidth), measures.widestLabel + 2 * px(boxSizes::labelPadding));
    const std::int32_t buttonHeight =
        std::max(px(boxSizes::buttonMinHeight), measures.lineHeight + px(boxSizes::labelLeading));
    const auto count = static_cast<std::int32_t>(buttonCount);
    const std::int32_t buttonsWidth = count * buttonWidth + (count - 1) * px(boxSizes::buttonGap);
    const std::int32_t bandPadding = px(boxSizes::bandPadding);
    const std::int32_t bandHeight = buttonHeight + 2 * bandPadding;

    // As many lines as the height allows, one at least.
    std::size_t shown = std::max<std::size_t>(measures.lineCount, 1);
    if (measures.maxHeight > 0) {
        const std::int32_t room = measures.maxHeight - bandHeight - 2 * margin;
        shown = std::min(shown, static_cast<std::size_t>(std::max(room / lineHeight, 1)));
    }
    const std::int32_t textHeight = static_cast<std::int32_t>(shown) * lineHeight;
    const std::int32_t contentHeight = std::max(iconSize, textHeight);

    BoxLayout layout;
    layout.lineHeight = lineHeight;
    layout.shownLines = shown;
    layout.icon = Rect::fromPointAndSize({margin, margin}, {iconSize, iconSize});
    // A text lower than the icon is centred beside it.
    layout.text = {margin + iconSize + px(boxSizes::iconGap), margin + (contentHeight - textHeight) / 2};

    const std::int32_t width =
        std::max({layout.text.x + measures.textWidth + margin, buttonsWidth + 2 * bandPadding,
                  px(boxSizes::minClientWidth)});
    const std::int32_t messageHeight = contentHeight + 2 * margin;
    layout.client = {width, messageHeight + bandHeight};
    layout.messageArea = {0, 0, width, messageHeight};

    std::int32_t left = width - bandPadding - buttonsWidth;
    const std::int32_t top = messageHeight + bandPadding;
    for (std::size_t index = 0; index < buttonCount; ++index) {
        layout.buttons.push_back(Rect::fromPointAndSize({left, top}, {buttonWidth, buttonHeight}));
        left += buttonWidth + px(boxSizes::buttonGap);
    }
    return layout;
}

std::optional<std::size_t> buttonAt(const BoxLayout& layout, Point point)
{
    for (std::size_t index = 0; index < layout.buttons.size(); ++index) {
        const Rect& button = layout.buttons[index];
        if (point.x >= button.left && point.x < button.right && point.y >= button.top && point.y < button.bottom)
            return index;
    }
    return std::nullopt;
}

} // namespace platform::x11
