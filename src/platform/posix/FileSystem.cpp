#include "platform/FileSystem.h"

#include "platform/PlatformError.h"
#include "platform/posix/DiscPath.h"
#include "platform/posix/OpenFile.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace platform {

namespace {

using FileHandle = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

FileHandle open(const std::string& path)
{
    return FileHandle(posix::openRegularFile(posix::resolveDiscPath(path)), std::fclose);
}

} // namespace

bool canOpenForReading(const std::string& path)
{
    return open(path) != nullptr;
}

std::vector<std::uint8_t> readBinaryFile(const std::string& path, std::size_t maxBytes)
{
    errno = 0;
    FileHandle file = open(path);
    if (!file) {
        const std::string reason = errno != 0 ? std::strerror(errno) : "not a regular file";
        throw PlatformError("Cannot open file " + path + ": " + reason);
    }
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[65536];
    while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get())) {
        if (bytes.size() + got > maxBytes)
            throw PlatformError("File " + path + " is larger than " + std::to_string(maxBytes) + " bytes");
        bytes.insert(bytes.end(), chunk, chunk + got);
    }
    if (std::ferror(file.get()))
        throw PlatformError("Cannot read file " + path + ": " + std::strerror(errno));
    return bytes;
}

} // namespace platform

namespace platform {

std::string currentDirectory()
{
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

bool setCurrentDirectory(const std::string& path)
{
    return ::chdir(posix::resolveDiscPath(path).c_str()) == 0;
}

} // namespace platform
