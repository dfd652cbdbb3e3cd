#include "menu/NumberParsing.h"

#include <limits>

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

} // namespace

std::int32_t parseNumber(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';

    // Accumulate the magnitude, stopping once it passes what 32 bits hold.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (text[at] - '0');
    }
    if (negative)
        return magnitude >= limit ? std::numeric_limits<std::int32_t>::min() : static_cast<std::int32_t>(-magnitude);
    return magnitude >= limit ? std::numeric_limits<std::int32_t>::max() : static_cast<std::int32_t>(magnitude);
}

std::uint8_t hexByte(std::string_view text, std::size_t at)
{
    const auto digit = [&](std::size_t i) { return i < text.size() ? hexDigitValue(text[i]) : 0; };
    return static_cast<std::uint8_t>(16 * digit(at) + digit(at + 1));
}

platform::Color parseColor(std::string_view text)
{
    return {hexByte(text, 0), hexByte(text, 2), hexByte(text, 4)};
}
