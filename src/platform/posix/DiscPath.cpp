#include "platform/posix/DiscPath.h"

#include "platform/TextCompare.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace platform::posix {

namespace {

bool exists(const std::string& path)
{
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::optional<std::string> findIgnoringCase(const std::string& folder, const std::string& name)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()), ::closedir);
    if (!dir)
        return std::nullopt;
    std::optional<std::string> found;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string candidate = entry->d_name;
        if (equalIgnoringCase(candidate, name) && (!found || candidate < *found))
            found = candidate;
    }
    return found;
}

// Windows drops the blanks and dots at the end of a name, so a disc may name
// "setup " for the folder "setup".
std::string withoutTrailingBlanksAndDots(const std::string& name)
{
    std::string trimmed = name;
    while (!trimmed.empty() && (trimmed.back() == ' ' || trimmed.back() == '.'))
        trimmed.pop_back();
    return trimmed;
}

// The entry of `folder` that `component` names, as Windows would find it.
std::optional<std::string> findComponent(const std::string& folder, const std::string& component)
{
    if (auto match = findIgnoringCase(folder, component))
        return match;
    const std::string trimmed = withoutTrailingBlanksAndDots(component);
    if (trimmed.empty() || trimmed == component)
        return std::nullopt;
    if (exists(folder + trimmed))
        return trimmed;
    return findIgnoringCase(folder, trimmed);
}

} // namespace

std::string resolveDiscPath(const std::string& path)
{
    // A real Linux path (the current directory, the program's own folder)
    // may hold a backslash in a name: what exists as written is taken as is.
    if (path.empty() || exists(path))
        return path;
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (exists(slashed))
        return slashed;

    std::string resolved;
    std::size_t start = 0;
    bool missing = false;
    while (start <= slashed.size()) {
        const std::size_t end = std::min(slashed.find('/', start), slashed.size());
        const std::string component = slashed.substr(start, end - start);
        const std::string exact = resolved + component;
        if (!missing && !component.empty() && component != "." && component != ".." && !exists(exact)) {
            if (auto match = findComponent(resolved, component))
                resolved += *match;
            else {
                resolved = exact;
                missing = true; // nothing below a missing folder can be found
            }
        } else {
            resolved = exact;
        }
        if (end < slashed.size())
            resolved += '/';
        start = end + 1;
    }
    return resolved;
}

} // namespace platform::posix
