#include "interaction/DiscCheck.h"

#include "menu/DefinitionReader.h"
#include "menu/MenuPanel.h"
#include "platform/MessageBox.h"
#include "platform/TextCompare.h"
#include "platform/TextFile.h"
#include "window/MenuWindow.h"

#include <string_view>

namespace {

constexpr std::string_view discKey = "ThisDisk=";

bool askToRetry(MenuPanel& panel, const std::string& text, platform::MessageIcon icon)
{
    return platform::showMessageBox(&panel.owner(), text, platform::MessageButtons::retryCancel, icon) ==
           platform::MessageAnswer::retry;
}

} // namespace

std::string readDiscId(MenuPanel& panel)
{
    const std::string fileName(DefinitionReader::fileName);
    platform::TextFile file(fileName);
    while (!file.isOpen()) {
        if (!askToRetry(panel, *panel.openFailedMessage() + fileName, platform::MessageIcon::stop))
            return {};
        file.open(fileName);
    }
    std::string line;
    while (file.readLine(line)) {
        if (line.starts_with(';') || line.size() < discKey.size())
            continue;
        if (platform::startsWithIgnoringCase(line, discKey))
            return line.substr(discKey.size());
    }
    return {};
}

bool requireDisc(MenuPanel& panel, const MenuItem& item)
{
    for (;;) {
        const std::string identity = readDiscId(panel);
        if (identity.empty())
            return false;
        if (identity == item.disk)
            return true;
        if (!askToRetry(panel, *panel.insertDiscMessage() + item.disk, platform::MessageIcon::information))
            return false;
    }
}
