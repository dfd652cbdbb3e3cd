#include "interaction/ItemLaunch.h"

#include "interaction/DiscCheck.h"
#include "menu/MenuPanel.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/ProgramStart.h"
#include "window/MenuWindow.h"

namespace {

void reportLaunchFailure(MenuPanel& panel, const MenuItem& item)
{
    platform::showMessageBox(&panel.owner(), *panel.launchFailedMessage() + item.dir + item.action,
                             platform::MessageButtons::ok, platform::MessageIcon::exclamation);
}

} // namespace

void launchItem(MenuPanel& panel, const MenuItem& item)
{
    if (item.action.empty())
        return;
    if (item.action == "exit")
        platform::exitProcess(0);
    if (!item.disk.empty() && !requireDisc(panel, item))
        return;

    const std::string savedDirectory = platform::currentDirectory();
    if (!item.dir.empty() && !platform::setCurrentDirectory(item.dir)) {
        reportLaunchFailure(panel, item);
        return;
    }
    const std::int64_t process = platform::startProgram(item.action, item.param);
    if (!item.dir.empty())
        platform::setCurrentDirectory(savedDirectory);
    // A click that silently does nothing cannot be told from a broken menu,
    // so a program that could not be started is reported too.
    if (process == -1)
        reportLaunchFailure(panel, item);
    if (item.exit == "1")
        platform::exitProcess(0);
}
