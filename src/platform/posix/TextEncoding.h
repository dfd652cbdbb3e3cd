#pragma once

#include <cstdint>
#include <string>

namespace platform::posix {

// Follows a byte stream and tells whether it is valid UTF-8 and whether it
// holds any byte outside ASCII.
class Utf8Check {
public:
    void feed(std::uint8_t byte);
    // True when every byte fed so far forms complete, valid UTF-8.
    bool valid() const { return valid_ && pending_ == 0; }
    bool sawNonAscii() const { return sawNonAscii_; }

private:
    bool valid_ = true;
    bool sawNonAscii_ = false;
    int pending_ = 0;             // continuation bytes still expected
    std::uint32_t codePoint_ = 0; // of the sequence being read
    std::uint32_t minimum_ = 0;   // the least code point its length may carry
};

// Appends the UTF-8 form of one Windows-1252 byte. The five bytes that
// Windows-1252 leaves undefined map to the C1 controls of the same value.
void appendWindows1252(std::string& out, std::uint8_t byte);

// The number of bytes of the UTF-8 sequence that starts with this byte (1 for
// ASCII and for bytes that cannot start a sequence).
int utf8SequenceLength(std::uint8_t lead);

} // namespace platform::posix
