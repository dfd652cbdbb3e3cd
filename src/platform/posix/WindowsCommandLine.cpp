#include "platform/posix/WindowsCommandLine.h"

namespace platform::posix {

namespace {

bool isSeparator(char c)
{
    return c == ' ' || c == '\t';
}

// The program name: double quotes switch quoting on and off and are dropped;
// no backslash is special, since the name is a file name.
std::string readProgramName(const std::string& line, std::size_t& at)
{
    std::string name;
    bool quoted = false;
    for (; at < line.size(); ++at) {
        const char c = line[at];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (!quoted && isSeparator(c))
            break;
        name += c;
    }
    return name;
}

std::string readArgument(const std::string& line, std::size_t& at)
{
    std::string argument;
    bool quoted = false;
    while (at < line.size()) {
        const char c = line[at];
        if (isSeparator(c) && !quoted)
            break;
        if (c == '\\') {
            std::size_t backslashes = 0;
            while (at < line.size() && line[at] == '\\') {
                ++backslashes;
                ++at;
            }
            if (at < line.size() && line[at] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                    ++at;
                }
            } else {
                argument.append(backslashes, '\\');
            }
            continue;
        }
        if (c == '"') {
            if (quoted && at + 1 < line.size() && line[at + 1] == '"') {
                argument += '"';
                at += 2;
                continue;
            }
            quoted = !quoted;
            ++at;
            continue;
        }
        argument += c;
        ++at;
    }
    return argument;
}

void skipSeparators(const std::string& line, std::size_t& at)
{
    while (at < line.size() && isSeparator(line[at]))
        ++at;
}

} // namespace

std::vector<std::string> splitWindowsCommandLine(const std::string& commandLine)
{
    std::vector<std::string> arguments;
    std::size_t at = 0;
    arguments.push_back(readProgramName(commandLine, at));
    for (skipSeparators(commandLine, at); at < commandLine.size(); skipSeparators(commandLine, at))
        arguments.push_back(readArgument(commandLine, at));
    return arguments;
}

} // namespace platform::posix
