#pragma once

#include <filesystem>
#include <fstream>
#include <chrono>
#include <functional>
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
public:
    TempFolder()
    {
        static int counter = 0;
        const auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = base / ("autoplay-test-" + std::to_string(::testing_support::TempFolder::processTag()) + "-" +
                            std::to_string(counter++));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

    // Writes `content` byte for byte to a file below the folder, making the
    // folders on the way.
    std::filesystem::path write(const std::string& relative, const std::string& content) const
    {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out << content;
        return file;
    }

private:
    static long processTag()
    {
        static const long tag = static_cast<long>(std::hash<std::string>{}(
            std::filesystem::temp_directory_path().string() +
            std::to_string(std::chrono::steady_clock::now().time_since_epoch().count())));
        return tag & 0x7fffffff;
    }

    std::filesystem::path path_;
};

// Makes a folder the current directory for the life of the object.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::filesystem::path& folder)
        : saved_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~CurrentDirectory() { std::filesystem::current_path(saved_); }
    CurrentDirectory(const CurrentDirectory&) = delete;
    CurrentDirectory& operator=(const CurrentDirectory&) = delete;

private:
    std::filesystem::path saved_;
};

} // namespace testing_support
