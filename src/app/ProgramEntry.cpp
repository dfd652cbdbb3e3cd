#include "app/ProgramEntry.h"

#include "app/FailureReport.h"
#include "platform/EventLoop.h"
#include "platform/FileSystem.h"
#include "platform/InstanceGuard.h"
#include "platform/ProgramLocation.h"
#include "window/MenuWindow.h"

#include <iostream>
#include <optional>

namespace {

constexpr int menuWindowIdentifier = 90;
constexpr const char* instanceGuardName = "AutoPlayInstance";

void runMenu()
{
    MenuWindow window(menuWindowIdentifier);
    platform::runEventLoop();
}

} // namespace

int runProgram(int argc, char** argv)
{
    const std::string folder = platform::programFolder(argc > 0 && argv[0] ? argv[0] : "");
    platform::setCurrentDirectory(folder); // a folder that cannot be entered leaves the directory as it is

    std::optional<platform::InstanceGuard> guard;
    if (platform::inTopLevelAutoplayFolder(folder)) {
        guard.emplace(instanceGuardName);
        if (guard->outcome() != platform::InstanceGuard::Outcome::taken)
            return 0; // another copy runs, or the guard cannot be had: end silently
    }

    try {
        runMenu();
    } catch (const platform::PlatformError& error) {
        reportFailure(error, std::cout);
    }
    return 0;
}
