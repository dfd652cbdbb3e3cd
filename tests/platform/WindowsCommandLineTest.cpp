#include "platform/posix/WindowsCommandLine.h"

#include <gtest/gtest.h>

using Arguments = std::vector<std::string>;
using platform::posix::splitWindowsCommandLine;

TEST(WindowsCommandLineTest, SplitsAsTheWindowsRuntimeDoes)
{
    struct Case {
        const char* line;
        Arguments arguments;
    };
    const Case cases[] = {
        {"setup.exe", {"setup.exe"}},
        {"setup.exe /s /q", {"setup.exe", "/s", "/q"}},
        {"setup.exe  \t spaced\t", {"setup.exe", "spaced"}},
        {"setup.exe \"two words\" x", {"setup.exe", "two words", "x"}},
        {"setup.exe a\"b c\"d", {"setup.exe", "ab cd"}},
        {"setup.exe a\\\\b", {"setup.exe", "a\\\\b"}},             // backslashes alone stay
        {"setup.exe a\\\"b", {"setup.exe", "a\"b"}},               // \" is a quote
        {"setup.exe a\\\\\"b c\"", {"setup.exe", "a\\b c"}},       // \\" is a backslash, then quoting
        {"setup.exe a\\\\\\\"b", {"setup.exe", "a\\\"b"}},         // \\\" is a backslash and a quote
        {"setup.exe \"a\"\"b\"", {"setup.exe", "a\"b"}},           // "" inside quotes is a quote
        {"setup.exe \"\"", {"setup.exe", ""}},                     // an empty argument
        {"setup.exe \"unclosed arg", {"setup.exe", "unclosed arg"}},
        {"C:\\Program Files\\x.exe arg", {"C:\\Program", "Files\\x.exe", "arg"}},
        {"\"C:\\Program Files\\x.exe\" arg", {"C:\\Program Files\\x.exe", "arg"}},
        {"dir\\setup.exe \\\\server\\share\\", {"dir\\setup.exe", "\\\\server\\share\\"}},
        {"ab\"c\\\"d e", {"abc\\d", "e"}}, // the name's quotes go, its backslashes stay
        {"", {""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitWindowsCommandLine(c.line), c.arguments) << c.line;
}
