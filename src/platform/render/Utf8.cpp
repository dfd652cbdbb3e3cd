#include "platform/render/Utf8.h"

#include <cstddef>
#include <cstdint>

namespace platform::render {
namespace {

struct LeadByte {
    std::size_t continuations = 0;
    char32_t bits = 0;
    // The range the first continuation byte must lie in; it is narrower than
    // 0x80..0xBF after the leads where the full range would allow an overlong
    // form, a surrogate or a value above U+10FFFF.
    std::uint8_t firstLow = 0x80;
    std::uint8_t firstHigh = 0xBF;
};

// Returns false for bytes that cannot start a sequence.
bool readLead(std::uint8_t byte, LeadByte& lead)
{
    if (byte >= 0xC2 && byte <= 0xDF) {
        lead = {1, char32_t{byte} & 0x1Fu};
    } else if (byte >= 0xE0 && byte <= 0xEF) {
        lead = {2, char32_t{byte} & 0x0Fu};
        if (byte == 0xE0) {
            lead.firstLow = 0xA0;
        } else if (byte == 0xED) {
            lead.firstHigh = 0x9F;
        }
    } else if (byte >= 0xF0 && byte <= 0xF4) {
        lead = {3, char32_t{byte} & 0x07u};
        if (byte == 0xF0) {
            lead.firstLow = 0x90;
        } else if (byte == 0xF4) {
            lead.firstHigh = 0x8F;
        }
    } else {
        return false;
    }
    return true;
}

} // namespace

std::u32string decodeUtf8(std::string_view text)
{
    std::u32string decoded;
    decoded.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        const auto byte = static_cast<std::uint8_t>(text[at]);
        if (byte < 0x80) {
            decoded.push_back(byte);
            ++at;
            continue;
        }
        LeadByte lead;
        if (!readLead(byte, lead)) {
            decoded.push_back(replacementCharacter);
            ++at;
            continue;
        }
        char32_t value = lead.bits;
        std::size_t taken = 1;
        bool complete = true;
        for (std::size_t i = 0; i < lead.continuations; ++i) {
            if (at + taken >= text.size()) {
                complete = false;
                break;
            }
            const auto next = static_cast<std::uint8_t>(text[at + taken]);
            const std::uint8_t low = i == 0 ? lead.firstLow : 0x80;
            const std::uint8_t high = i == 0 ? lead.firstHigh : 0xBF;
            if (next < low || next > high) {
                complete = false;
                break;
            }
            value = (value << 6) | (char32_t{next} & 0x3Fu);
            ++taken;
        }
        decoded.push_back(complete ? value : replacementCharacter);
        at += taken;
    }
    return decoded;
}

} // namespace platform::render
