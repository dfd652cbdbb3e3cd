#pragma once

#include <memory>
#include <string>

namespace platform {

// A text file read line by line, as the menu reads its definition:
//  - a carriage return right before a line feed is dropped;
//  - a line is at most maxLineLength characters; the rest of a longer line
//    comes back as the next line;
//  - a read that reaches the end of the file gives no line, so a last line
//    without a line break is never returned;
//  - a NUL byte ends the line's text, as it ends a C string.
// Paths use the disc's conventions (backslashes, names in any letter case).
// On Linux the bytes are decoded as Windows-1252, or taken as UTF-8 when the
// file is valid UTF-8 holding non-ASCII bytes (a byte-order mark is dropped),
// and lines come back as UTF-8.
class TextFile {
public:
    static constexpr std::size_t maxLineLength = 254;

    explicit TextFile(const std::string& path);
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    bool isOpen() const;
    // Closes the file if open and tries to open `path` in its place.
    void open(const std::string& path);

    // Reads the next line into `line`. Returns false, leaving `line` with
    // whatever was read, once a read reaches the end of the file or fails.
    bool readLine(std::string& line);

    void close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace platform
