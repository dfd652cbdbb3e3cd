#include "platform/TextFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <string>
#include <vector>

namespace {

struct ReadResult {
    std::vector<std::string> lines;
    bool opened = false;
};

// Every line that the reader hands out.
ReadResult readAll(const std::string& path)
{
    ReadResult result;
    platform::TextFile file(path);
    result.opened = file.isOpen();
    std::string line;
    while (file.readLine(line))
        result.lines.push_back(line);
    return result;
}

using Lines = std::vector<std::string>;

} // namespace

TEST(TextFileTest, LineRules)
{
    struct Case {
        const char* name;
        std::string content;
        Lines lines;
    };
    const std::string long254(254, 'a');
    const Case cases[] = {
        {"line feeds", "one\ntwo\n", {"one", "two"}},
        {"carriage return and line feed", "one\r\ntwo\r\n", {"one", "two"}},
        {"unterminated last line", "one\ntwo", {"one"}},
        {"only an unterminated line", "lonely", {}},
        {"empty file", "", {}},
        {"empty lines", "\n\r\n\n", {"", "", ""}},
        {"lone carriage return stays", "a\rb\n\r", {"a\rb"}},
        {"300 characters", std::string(300, 'x') + "\n", {std::string(254, 'x'), std::string(46, 'x')}},
        {"exactly 254 then line feed", long254 + "\nnext\n", {long254, "next"}},
        {"exactly 254 then CR LF", long254 + "\r\nnext\n", {long254, "next"}},
        {"254 then a lone CR", long254 + "\rb\n", {long254, "\rb"}},
        {"CR LF counts once", std::string(253, 'c') + "\r\nx\n", {std::string(253, 'c'), "x"}},
        {"254 at the end without break", long254, {}},
        {"508 characters, unterminated", std::string(508, 'z'), {std::string(254, 'z')}},
        {"a NUL byte ends the text", std::string("Exit=1\0junk\nnext\n", 17), {"Exit=1", "next"}},
    };
    testing_support::TempFolder folder;
    for (const Case& c : cases) {
        folder.write("lines.ini", c.content);
        const ReadResult result = readAll((folder.path() / "lines.ini").string());
        EXPECT_TRUE(result.opened) << c.name;
        EXPECT_EQ(result.lines, c.lines) << c.name;
    }
}

TEST(TextFileTest, Decoding)
{
    struct Case {
        const char* name;
        std::string content;
        Lines lines;
    };
    const Case cases[] = {
        {"Windows-1252", "Caf\xE9 \x80 \x9F\n", {"Caf\xC3\xA9 \xE2\x82\xAC \xC5\xB8"}},
        {"UTF-8 stays", "Caf\xC3\xA9\n", {"Caf\xC3\xA9"}},
        {"byte-order mark dropped", "\xEF\xBB\xBFKey=1\n", {"Key=1"}},
        {"invalid UTF-8 is Windows-1252", "\xC3\xA9 \xE9\n", {"\xC3\x83\xC2\xA9 \xC3\xA9"}},
        {"overlong form is Windows-1252", "\xC0\xAF\n", {"\xC3\x80\xC2\xAF"}},
        {"truncated sequence at the end", "ok\n\xE2\x82", {"ok"}},
    };
    testing_support::TempFolder folder;
    for (const Case& c : cases) {
        folder.write("enc.ini", c.content);
        EXPECT_EQ(readAll((folder.path() / "enc.ini").string()).lines, c.lines) << c.name;
    }

    // A UTF-8 line is cut after 254 characters, never inside one.
    std::string utf8Line;
    for (int i = 0; i < 300; ++i)
        utf8Line += "\xC3\xA9";
    folder.write("long.ini", utf8Line + "\n");
    const Lines lines = readAll((folder.path() / "long.ini").string()).lines;
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].size(), 254u * 2);
    EXPECT_EQ(lines[1].size(), 46u * 2);
}

TEST(TextFileTest, OpeningFindsFilesAsADiscNamesThem)
{
    testing_support::TempFolder folder;
    folder.write("En_US/AutoPlay.INI", "found\n");
    testing_support::CurrentDirectory here(folder.path());
    for (const char* path : {".\\En_US\\autoplay.ini", "en_us/autoplay.ini", "./EN_US\\AUTOPLAY.ini"})
        EXPECT_EQ(readAll(path).lines, Lines{"found"}) << path;
    EXPECT_FALSE(readAll(".\\Fr_FR\\autoplay.ini").opened);
    EXPECT_FALSE(readAll("missing.ini").opened);
    EXPECT_FALSE(readAll("En_US").opened) << "a folder is no text file";
}

TEST(TextFileTest, SpecialFilesAreNotOpenedAndDoNotBlock)
{
    testing_support::TempFolder folder;
    const std::string pipe = (folder.path() / "autoplay.ini").string();
    ASSERT_EQ(std::system(("mkfifo '" + pipe + "'").c_str()), 0);
    EXPECT_FALSE(readAll(pipe).opened) << "a named pipe with no writer would hold the menu up";
    EXPECT_FALSE(readAll("/dev/null").opened);
}
