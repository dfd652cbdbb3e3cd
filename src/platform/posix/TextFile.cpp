#include "platform/TextFile.h"

#include "platform/posix/DiscPath.h"
#include "platform/posix/TextEncoding.h"
#include "platform/posix/OpenFile.h"

#include <cstdio>

namespace platform {

struct TextFile::Impl {
    std::FILE* file = nullptr;
    bool utf8 = false;
    bool carriageReturnPending = false; // a lone CR that begins the next line

    int next()
    {
        if (carriageReturnPending) {
            carriageReturnPending = false;
            return '\r';
        }
        return std::getc(file);
    }
    void putBack(int c) { std::ungetc(c, file); }

    // Chooses between UTF-8 and Windows-1252 from the whole content, then
    // leaves the stream at the first character after a byte-order mark.
    void detectEncoding()
    {
        posix::Utf8Check check;
        for (int c = next(); c != EOF; c = next())
            check.feed(static_cast<std::uint8_t>(c));
        utf8 = check.valid() && check.sawNonAscii();
        std::rewind(file);
        if (utf8)
            skipByteOrderMark();
    }

    void skipByteOrderMark()
    {
        const int b0 = next(), b1 = next(), b2 = next();
        if (b0 == 0xEF && b1 == 0xBB && b2 == 0xBF)
            return;
        std::rewind(file);
    }

    // After a line has reached its greatest length: a line break right after
    // it ends it; the end of the file means the line was not ended.
    bool endAfterFullLine()
    {
        int c = next();
        if (c == EOF)
            return false;
        if (c == '\r') {
            const int after = next();
            if (after == '\n')
                return true;
            if (after != EOF)
                putBack(after);
            carriageReturnPending = true;
            return true;
        }
        if (c != '\n')
            putBack(c);
        return true;
    }

    void appendCharacter(std::string& line, int c)
    {
        if (!utf8) {
            posix::appendWindows1252(line, static_cast<std::uint8_t>(c));
            return;
        }
        line += static_cast<char>(c);
        // The content is valid UTF-8, so the continuation bytes are there.
        for (int i = 1; i < posix::utf8SequenceLength(static_cast<std::uint8_t>(c)); ++i)
            line += static_cast<char>(next());
    }

    bool readLine(std::string& line)
    {
        line.clear();
        for (std::size_t count = 0;; ++count) {
            if (count == maxLineLength)
                return endAfterFullLine();
            const int c = next();
            if (c == EOF)
                return false;
            if (c == '\n')
                return true;
            if (c == '\r') {
                const int after = next();
                if (after == '\n')
                    return true;
                if (after != EOF)
                    putBack(after);
            }
            appendCharacter(line, c);
        }
    }
};

TextFile::TextFile(const std::string& path)
    : impl_(std::make_unique<Impl>())
{
    open(path);
}

void TextFile::open(const std::string& path)
{
    close();
    impl_->carriageReturnPending = false;
    impl_->file = posix::openRegularFile(posix::resolveDiscPath(path));
    if (impl_->file)
        impl_->detectEncoding();
}

TextFile::~TextFile()
{
    close();
}

bool TextFile::isOpen() const
{
    return impl_->file != nullptr;
}

bool TextFile::readLine(std::string& line)
{
    if (!impl_->file) {
        line.clear();
        return false;
    }
    const bool read = impl_->readLine(line);
    // The Windows program's lines are C strings: a NUL byte ends them.
    if (const std::size_t nul = line.find('\0'); nul != std::string::npos)
        line.resize(nul);
    return read;
}

void TextFile::close()
{
    if (impl_->file) {
        std::fclose(impl_->file);
        impl_->file = nullptr;
    }
}

} // namespace platform
