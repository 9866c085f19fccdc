#pragma once

// Language files of the plug-ins: "<library base name>_<language>.lng" beside the library, e.g.
// blocksby_en.lng and blocksby_ru.lng beside blocksby.dll.
//
// Format: one message per line, message n on line n (counting from 0), in the console's OEM code
// page. Lines end with LF or CR LF; a final line end is optional. There are no escapes and no
// comments: every byte of a line but the line end belongs to the message, so a message cannot
// hold a line break (the host's messages and dialogs take their lines separately). A UTF-8 byte
// order mark is not allowed; its bytes would become part of message 0.

#include <string>
#include <string_view>
#include <vector>

namespace ulvar::standin {

class LanguageTable {
public:
    LanguageTable() = default;
    static LanguageTable Parse(std::string_view bytes);
    // False when the file cannot be read; the table is then left unchanged.
    bool LoadFile(const std::string& path);

    // The message, or "" beyond the table; never null. A pointer stays valid as long as the
    // table lives (moving the table keeps it valid too).
    const char* Get(int number) const;
    int Size() const { return static_cast<int>(messages_.size()); }

private:
    // Each message is its own string, so moving the table does not move the texts.
    std::vector<std::string> messages_;
};

// "<folder of the library>/<base name>_<language>.lng", with the library's own separator.
std::string LanguageFilePath(const std::string& modulePath, const std::string& language);

// The table for a language: that language's file, else the English file, else an empty table.
// usedPath (optional) receives the file that was read, or "" when none.
LanguageTable LoadLanguage(const std::string& modulePath, const std::string& language,
                           std::string* usedPath = nullptr);

} // namespace ulvar::standin
