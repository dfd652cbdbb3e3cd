#pragma once

#include "platform/picture/BmpFormatError.h"

#include <cstdint>
#include <span>
#include <string>

namespace platform::picture {

// A bitmap file's bytes with bounds-checked little-endian reads. Offsets and
// counts are 64-bit so that sums of header fields cannot wrap around.
class BmpBytes {
public:
    explicit BmpBytes(std::span<const std::uint8_t> bytes)
        : bytes_(bytes)
    {
    }

    std::uint64_t size() const { return bytes_.size(); }

    // True when `count` bytes starting at `offset` lie inside the file.
    bool contains(std::uint64_t offset, std::uint64_t count) const
    {
        return offset <= size() && count <= size() - offset;
    }

    // Raises "the file is truncated in <part>" unless the bytes are there.
    void require(std::uint64_t offset, std::uint64_t count, const char* part) const
    {
        if (!contains(offset, count))
            throw BmpFormatError(std::string("the file is truncated in ") + part);
    }

    // The `count` bytes from `offset`. Parts that can report a more precise
    // reason call require() first; this check only keeps every read in bounds.
    std::span<const std::uint8_t> slice(std::uint64_t offset, std::uint64_t count) const
    {
        require(offset, count, "the file");
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
    }

    // The bytes from `offset` to the end of the file.
    std::span<const std::uint8_t> from(std::uint64_t offset) const
    {
        require(offset, 0, "the file");
        return bytes_.subspan(static_cast<std::size_t>(offset));
    }

    std::uint8_t u8(std::uint64_t offset) const { return slice(offset, 1)[0]; }

    std::uint16_t u16(std::uint64_t offset) const
    {
        const auto b = slice(offset, 2);
        return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
    }

    std::uint32_t u32(std::uint64_t offset) const
    {
        const auto b = slice(offset, 4);
        return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
               (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
    }

    // Two's complement, as the format stores signed fields.
    std::int32_t i32(std::uint64_t offset) const { return static_cast<std::int32_t>(u32(offset)); }

private:
    std::span<const std::uint8_t> bytes_;
};

} // namespace platform::picture
