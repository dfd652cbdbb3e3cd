#include "platform/headless/PngFile.h"

#include "platform/PlatformError.h"

#include <cstdint>
#include <fstream>
#include <vector>
#include <zlib.h>

namespace platform::headless {

namespace {

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data)
{
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = ::crc32(0, out.data() + typeAt, static_cast<uInt>(out.size() - typeAt));
    putBigEndian(out, static_cast<std::uint32_t>(crc));
}

// Rows of filter byte 0 followed by red, green, blue.
std::vector<std::uint8_t> scanlines(const Bitmap& bitmap)
{
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(bitmap.height()) * (1 + 3 * static_cast<std::size_t>(bitmap.width())));
    for (std::int32_t y = 0; y < bitmap.height(); ++y) {
        raw.push_back(0);
        for (std::int32_t x = 0; x < bitmap.width(); ++x) {
            const std::uint32_t rgb = bitmap.pixel(x, y);
            raw.push_back(static_cast<std::uint8_t>(rgb >> 16));
            raw.push_back(static_cast<std::uint8_t>(rgb >> 8));
            raw.push_back(static_cast<std::uint8_t>(rgb));
        }
    }
    return raw;
}

std::vector<std::uint8_t> deflate(const std::vector<std::uint8_t>& raw, const std::string& path)
{
    uLongf size = ::compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(size);
    if (::compress2(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw PlatformError("Cannot compress the picture for " + path);
    packed.resize(size);
    return packed;
}

} // namespace

void savePng(const Bitmap& bitmap, const std::string& path)
{
    std::vector<std::uint8_t> header;
    putBigEndian(header, static_cast<std::uint32_t>(bitmap.width()));
    putBigEndian(header, static_cast<std::uint32_t>(bitmap.height()));
    header.insert(header.end(), {8, 2, 0, 0, 0}); // 8 bits, RGB, deflate, no filter choice, no interlace

    std::vector<std::uint8_t> file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    putChunk(file, "IHDR", header);
    putChunk(file, "IDAT", deflate(scanlines(bitmap), path));
    putChunk(file, "IEND", {});

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out)
        throw PlatformError("Cannot write " + path);
}

} // namespace platform::headless
