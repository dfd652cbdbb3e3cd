#include "platform/posix/TextEncoding.h"

#include <array>

namespace platform::posix {

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252.
constexpr std::array<std::uint16_t, 32> windows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendCodePoint(std::string& out, std::uint32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

void Utf8Check::feed(std::uint8_t byte)
{
    if (byte >= 0x80)
        sawNonAscii_ = true;
    if (!valid_)
        return;
    if (pending_ > 0) {
        if ((byte & 0xC0) != 0x80) {
            valid_ = false;
            return;
        }
        codePoint_ = (codePoint_ << 6) | (byte & 0x3Fu);
        if (--pending_ == 0) {
            const bool surrogate = codePoint_ >= 0xD800 && codePoint_ <= 0xDFFF;
            if (codePoint_ < minimum_ || codePoint_ > 0x10FFFF || surrogate)
                valid_ = false;
        }
        return;
    }
    if (byte < 0x80)
        return;
    if ((byte & 0xE0) == 0xC0) {
        pending_ = 1;
        codePoint_ = byte & 0x1Fu;
        minimum_ = 0x80;
    } else if ((byte & 0xF0) == 0xE0) {
        pending_ = 2;
        codePoint_ = byte & 0x0Fu;
        minimum_ = 0x800;
    } else if ((byte & 0xF8) == 0xF0) {
        pending_ = 3;
        codePoint_ = byte & 0x07u;
        minimum_ = 0x10000;
    } else {
        valid_ = false;
    }
}

void appendWindows1252(std::string& out, std::uint8_t byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        appendCodePoint(out, windows1252High[byte - 0x80u]);
    else
        appendCodePoint(out, byte);
}

int utf8SequenceLength(std::uint8_t lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace platform::posix
