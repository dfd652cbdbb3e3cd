#include "platform/WindowsPaths.h"

#include "platform/TextCompare.h"

namespace platform {

std::string windowsProgramFolder(std::string_view programPath, std::string_view currentDirectory)
{
    const std::size_t lastBackslash = programPath.rfind('\\');
    std::string folder =
        lastBackslash == std::string_view::npos ? std::string() : std::string(programPath.substr(0, lastBackslash + 1));
    if (folder.size() < 2 || folder[1] != ':')
        folder = std::string(currentDirectory) + "\\" + folder;
    return folder;
}

bool windowsFolderIsInAutoplay(std::string_view folder)
{
    std::string_view rest = folder.size() > 2 ? folder.substr(2) : std::string_view();
    while (rest.starts_with("\\\\"))
        rest.remove_prefix(1);
    return startsWithIgnoringCase(rest, "\\autoplay\\");
}

} // namespace platform
