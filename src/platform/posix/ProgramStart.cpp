#include "platform/ProgramStart.h"

#include "platform/posix/DiscPath.h"
#include "platform/posix/WindowsCommandLine.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace platform {

namespace {

constexpr std::size_t longestName = 259;

// A regular file that the user may run. Folders, devices and files without
// the right to run them do not count.
bool isRunnable(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> searchFolders()
{
    std::vector<std::string> folders{"."};
    const char* path = std::getenv("PATH");
    if (!path)
        return folders;
    const std::string list = path;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = list.find(':', start);
        const std::string folder = list.substr(start, end == std::string::npos ? std::string::npos : end - start);
        folders.push_back(folder.empty() ? "." : folder);
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return folders;
}

std::optional<std::string> resolveProgram(const std::string& name)
{
    if (name.empty() || name.size() > longestName)
        return std::nullopt;
    std::string file = name;
    while (!file.empty() && file.back() == ' ')
        file.pop_back();
    if (!file.empty() && file.back() == '.')
        file.pop_back(); // a final dot means "this name has no extension"
    if (file.empty())
        return std::nullopt;

    const bool anchored = file[0] == '\\' || file[0] == '/' || (file.size() > 1 && file[1] == ':');
    if (anchored) {
        const std::string path = posix::resolveDiscPath(file);
        return isRunnable(path) ? std::optional(path) : std::nullopt;
    }
    for (const std::string& folder : searchFolders()) {
        const std::string path = posix::resolveDiscPath(folder + "/" + file);
        if (isRunnable(path))
            return std::filesystem::absolute(path).lexically_normal().string();
    }
    return std::nullopt;
}

// Starts the program from a short-lived child that is reaped at once, so the
// program itself is never the menu's child and never lingers as a zombie.
// Every descriptor above standard error is closed in the program.
pid_t spawnDetached(const std::string& file, const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return -1;
    const pid_t middle = ::fork();
    if (middle < 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return -1;
    }
    if (middle == 0) {
        posix_spawn_file_actions_t actions;
        pid_t program = -1;
        if (::posix_spawn_file_actions_init(&actions) == 0 &&
            ::posix_spawn_file_actions_addclosefrom_np(&actions, 3) == 0 &&
            ::posix_spawn(&program, file.c_str(), &actions, nullptr, argv.data(), environ) != 0)
            program = -1;
        [[maybe_unused]] const ssize_t written = ::write(channel[1], &program, sizeof program);
        ::_exit(0);
    }
    ::close(channel[1]);
    pid_t program = -1;
    if (::read(channel[0], &program, sizeof program) != static_cast<ssize_t>(sizeof program))
        program = -1;
    ::close(channel[0]);
    while (::waitpid(middle, nullptr, 0) < 0 && errno == EINTR) {
    }
    return program;
}

} // namespace

std::int64_t startProgram(const std::string& name, const std::string& argument)
{
    const std::optional<std::string> file = resolveProgram(name);
    if (!file)
        return -1;
    const std::string commandLine = argument.empty() ? name : name + " " + argument;
    const pid_t process = spawnDetached(*file, posix::splitWindowsCommandLine(commandLine));
    return process > 0 ? process : -1;
}

} // namespace platform
