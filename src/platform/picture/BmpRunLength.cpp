#include "platform/picture/BmpRunLength.h"

#include <algorithm>
#include <string>

namespace platform::picture {

namespace {

class RunLengthDecoder {
public:
    RunLengthDecoder(std::span<const std::uint8_t> stream, bool fourBit, const BmpPalette& palette, Bitmap& bitmap)
        : stream_(stream)
        , fourBit_(fourBit)
        , palette_(palette)
        , bitmap_(bitmap)
    {
    }

    void decode()
    {
        for (;;) {
            // A stream that has ended every row may leave out the end mark.
            if (position_ == stream_.size() && row_ >= bitmap_.height())
                return;
            if (!decodeInstruction())
                return;
        }
    }

private:
    // Returns false at the end-of-bitmap mark.
    bool decodeInstruction()
    {
        const std::uint8_t count = next();
        const std::uint8_t value = next();
        if (count > 0) {
            repeat(count, value);
            return true;
        }
        switch (value) {
        case 0:
            endRow();
            return true;
        case 1:
            return false;
        case 2:
            move();
            return true;
        default:
            copyLiteral(value);
            return true;
        }
    }

    void repeat(unsigned count, std::uint8_t value)
    {
        startRun(count);
        for (unsigned i = 0; i < count; ++i)
            put(fourBit_ ? nibble(value, i) : value);
    }

    void copyLiteral(unsigned count)
    {
        const std::size_t bytes = fourBit_ ? (count + 1) / 2 : count;
        if (stream_.size() - position_ < bytes)
            throw truncated();
        startRun(count);
        const std::uint8_t* literal = &stream_[position_];
        for (unsigned i = 0; i < count; ++i)
            put(fourBit_ ? nibble(literal[i / 2], i) : literal[i]);
        // Literal runs keep the stream aligned to 2 bytes; a writer may leave
        // out the padding byte at the very end of the stream.
        position_ = std::min(stream_.size(), position_ + bytes + bytes % 2);
    }

    void endRow()
    {
        x_ = 0;
        if (row_ < bitmap_.height())
            ++row_;
    }

    void move()
    {
        x_ += next();
        row_ += next();
        if (x_ > bitmap_.width() || row_ > bitmap_.height())
            throw BmpFormatError("a move in the compressed pixel data leaves the picture");
    }

    void startRun(unsigned count)
    {
        if (row_ >= bitmap_.height())
            throw BmpFormatError("the compressed pixel data goes on past the last row");
        if (x_ + count > bitmap_.width())
            throw BmpFormatError("a run of " + std::to_string(count) + " pixels goes past the end of a row");
    }

    void put(std::uint8_t index)
    {
        const std::int64_t y = bitmap_.height() - 1 - row_;
        bitmap_.setPixel(static_cast<std::int32_t>(x_), static_cast<std::int32_t>(y), palette_.colour(index));
        ++x_;
    }

    // The i-th index of a 4-bit run: high nibble first, then low, in turn.
    static std::uint8_t nibble(std::uint8_t byte, unsigned i)
    {
        return i % 2 == 0 ? static_cast<std::uint8_t>(byte >> 4) : static_cast<std::uint8_t>(byte & 0x0f);
    }

    std::uint8_t next()
    {
        if (position_ >= stream_.size())
            throw truncated();
        return stream_[position_++];
    }

    static BmpFormatError truncated() { return BmpFormatError("the file is truncated in the compressed pixel data"); }

    std::span<const std::uint8_t> stream_;
    std::size_t position_ = 0;
    bool fourBit_;
    const BmpPalette& palette_;
    Bitmap& bitmap_;
    // The next pixel to write; rows are counted from the bottom.
    std::int64_t x_ = 0;
    std::int64_t row_ = 0;
};

} // namespace

Bitmap decodeRunLengthBmp(const BmpBytes& file, const BmpLayout& layout, const BmpPalette& palette)
{
    Bitmap bitmap(layout.width, layout.height);
    std::fill(bitmap.pixels().begin(), bitmap.pixels().end(), palette.colour(0));
    RunLengthDecoder decoder(file.from(layout.pixelOffset), layout.compression == BmpCompression::RunLength4, palette,
                             bitmap);
    decoder.decode();
    return bitmap;
}

} // namespace platform::picture
