#include "menu/DefinitionReader.h"

#include "menu/LanguageFolder.h"
#include "menu/NumberParsing.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"
#include "platform/Process.h"
#include "platform/TextCompare.h"
#include "platform/TextFile.h"
#include "window/MenuWindow.h"

#include <array>
#include <optional>

namespace {

constexpr std::string_view sectionHeader = "[ITEM";
constexpr std::size_t shortestLine = 5;

// The rest of `line` after `key`, when the line starts with it in any case.
std::optional<std::string_view> valueAfter(std::string_view line, std::string_view key)
{
    if (!platform::startsWithIgnoringCase(line, key))
        return std::nullopt;
    return line.substr(key.size());
}

struct GlobalKey {
    std::string_view key;
    void (DefinitionReader::*apply)(std::string_view value);
};

struct EntryKey {
    std::string_view key;
    std::string MenuItem::*field;
};

constexpr std::array<EntryKey, 6> entryKeys = {{
    {"Label=", &MenuItem::label},
    {"Action=", &MenuItem::action},
    {"Exit=", &MenuItem::exit},
    {"Param=", &MenuItem::param},
    {"Dir=", &MenuItem::dir},
    {"Disk=", &MenuItem::disk},
}};

} // namespace

DefinitionReader::DefinitionReader(MenuWindow& window)
    : window_(window)
{
}

void DefinitionReader::read()
{
    languageFolder_ = languageFolder();
    const std::unique_ptr<platform::TextFile> file = openDefinition();
    if (!file)
        reportMissingDefinition();
    currentEntry_ = -1;
    std::string line;
    while (file->readLine(line))
        readLine(line);
    file->close();
}

std::unique_ptr<platform::TextFile> DefinitionReader::openDefinition() const
{
    for (const std::string& path : {languageFolder_ + std::string(fileName), std::string(fileName)}) {
        auto file = std::make_unique<platform::TextFile>(path);
        if (file->isOpen())
            return file;
    }
    return nullptr;
}

void DefinitionReader::reportMissingDefinition() const
{
    platform::showMessageBox(&window_, window_.message(3) + std::string(fileName), platform::MessageButtons::ok,
                             platform::MessageIcon::stop);
    platform::exitProcess(-1);
}

void DefinitionReader::readLine(std::string_view line)
{
    if (line.starts_with(';') || line.size() < shortestLine)
        return;
    if (const auto number = valueAfter(line, sectionHeader))
        openSection(*number);
    else if (currentEntry_ == -1)
        readGlobalKey(line);
    else if (inEntrySection())
        readEntryKey(line);
}

// "[ITEM3]" opens entry 3; "[ITEM]" and "[ITEM0]" the entry numbered as many
// as there are entries, or the global area again when there are none.
void DefinitionReader::openSection(std::string_view number)
{
    std::int64_t entryNumber = parseNumber(number);
    if (entryNumber == 0)
        entryNumber = window_.panel().itemCount();
    currentEntry_ = entryNumber - 1;
}

bool DefinitionReader::inEntrySection() const
{
    return currentEntry_ >= 0 && currentEntry_ < window_.panel().itemCount();
}

void DefinitionReader::readGlobalKey(std::string_view line)
{
    static constexpr std::array<GlobalKey, 11> globalKeys = {{
        {"Background=", &DefinitionReader::setBackground},
        {"Title1=", &DefinitionReader::setObjectTitle},
        {"Title2=", &DefinitionReader::setViewTitle},
        {"ErrorMsg", &DefinitionReader::setMessage},
        {"Color", &DefinitionReader::setColor},
        {"FontSize=", &DefinitionReader::setFontSize},
        {"FontFace=", &DefinitionReader::setFontFace},
        {"FontBold=", &DefinitionReader::setFontBold},
        {"NofItems=", &DefinitionReader::setItemCount},
        {"LineSpacing=", &DefinitionReader::setLineSpacing},
        {"Margin", &DefinitionReader::setMargin},
    }};
    for (const GlobalKey& key : globalKeys) {
        if (const auto value = valueAfter(line, key.key)) {
            (this->*key.apply)(*value);
            return;
        }
    }
}

void DefinitionReader::readEntryKey(std::string_view line)
{
    MenuItem& item = window_.panel().item(static_cast<std::int32_t>(currentEntry_));
    for (const EntryKey& key : entryKeys) {
        if (const auto value = valueAfter(line, key.key)) {
            item.*key.field = std::string(*value);
            return;
        }
    }
}

// The picture is taken from the language folder when it is there, else from
// the program folder, where a missing file makes the loader fail.
void DefinitionReader::setBackground(std::string_view name)
{
    std::string path = languageFolder_ + std::string(name);
    if (!platform::canOpenForReading(path))
        path = ".\\" + std::string(name);
    window_.setBackground(path);
}

void DefinitionReader::setObjectTitle(std::string_view text)
{
    window_.title().setObjectText(std::string(text));
}

void DefinitionReader::setViewTitle(std::string_view text)
{
    window_.title().setViewText(std::string(text));
}

// "ErrorMsg" is followed by the message number and one character that is
// skipped unseen (normally "="); the text follows it.
void DefinitionReader::setMessage(std::string_view numberAndText)
{
    if (numberAndText.empty() || numberAndText[0] < '1' || numberAndText[0] > '3')
        return;
    const std::string_view text = numberAndText.size() > 2 ? numberAndText.substr(2) : std::string_view();
    window_.setMessage(numberAndText[0] - '0', std::string(text));
}

void DefinitionReader::setColor(std::string_view keyAndValue)
{
    MenuPanel& panel = window_.panel();
    if (const auto value = valueAfter(keyAndValue, "Back="))
        window_.setBackgroundColor(parseColor(*value));
    else if (const auto text = valueAfter(keyAndValue, "Text="))
        panel.setColorText(parseColor(*text));
    else if (const auto enter = valueAfter(keyAndValue, "Enter="))
        panel.setColorEnter(parseColor(*enter));
    else if (const auto click = valueAfter(keyAndValue, "Click="))
        panel.setColorClick(parseColor(*click));
}

void DefinitionReader::setFontSize(std::string_view number)
{
    window_.panel().setFontSize(parseNumber(number));
}

void DefinitionReader::setFontFace(std::string_view face)
{
    window_.panel().setFontFace(std::string(face));
}

// Bold unless the value starts with the digit 0; an empty value gives bold.
void DefinitionReader::setFontBold(std::string_view flag)
{
    window_.panel().setFontBold(flag.empty() ? -'0' : flag[0] - '0');
}

void DefinitionReader::setItemCount(std::string_view number)
{
    window_.panel().allocateItems(parseNumber(number));
}

void DefinitionReader::setLineSpacing(std::string_view number)
{
    window_.panel().setLineSpacing(parseNumber(number));
}

void DefinitionReader::setMargin(std::string_view keyAndValue)
{
    MenuPanel& panel = window_.panel();
    if (const auto left = valueAfter(keyAndValue, "Left="))
        panel.setMarginLeft(parseNumber(*left));
    else if (const auto right = valueAfter(keyAndValue, "Right="))
        panel.setMarginRight(parseNumber(*right));
    else if (const auto top = valueAfter(keyAndValue, "Top="))
        panel.setMarginTop(parseNumber(*top));
    else if (const auto bottom = valueAfter(keyAndValue, "Bottom="))
        panel.setMarginBottom(parseNumber(*bottom));
}
