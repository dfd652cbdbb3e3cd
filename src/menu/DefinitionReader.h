#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class MenuWindow;

namespace platform {
class TextFile;
}

// Reads "autoplay.ini" into a menu window and its panel: first the copy in
// the language folder, else the one in the program folder. Lines before the
// first "[ITEM" header set the window and the look of the menu; each section
// after a header sets one entry. When no definition can be opened, the user
// is told and the process ends with status -1.
class DefinitionReader {
public:
    static constexpr std::string_view fileName = "autoplay.ini";

    explicit DefinitionReader(MenuWindow& window);
    void read();

private:
    std::unique_ptr<platform::TextFile> openDefinition() const;
    [[noreturn]] void reportMissingDefinition() const;

    void readLine(std::string_view line);
    void openSection(std::string_view number);
    bool inEntrySection() const;
    void readGlobalKey(std::string_view line);
    void readEntryKey(std::string_view line);

    void setBackground(std::string_view name);
    void setObjectTitle(std::string_view text);
    void setViewTitle(std::string_view text);
    void setMessage(std::string_view numberAndText);
    void setColor(std::string_view keyAndValue);
    void setFontSize(std::string_view number);
    void setFontFace(std::string_view face);
    void setFontBold(std::string_view flag);
    void setItemCount(std::string_view number);
    void setLineSpacing(std::string_view number);
    void setMargin(std::string_view keyAndValue);

    MenuWindow& window_;
    std::string languageFolder_;
    // -1 while the global area is read, else the entry's index (which may lie
    // outside the entries: such a section is ignored).
    std::int64_t currentEntry_ = -1;
};
