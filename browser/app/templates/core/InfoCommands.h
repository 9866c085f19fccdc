#pragma once

#include "browser/catalogue/core/CobwenData.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cobwen {

class TextLocale;

// The catalogue list a command works on (the list that last had the focus).
class RecordSelection {
public:
    virtual ~RecordSelection() = default;
    virtual std::size_t SelectedCount() const = 0;
    // The records of the selected rows, in selection order.
    virtual std::vector<const TCobwenData*> SelectedRecords() const = 0;
    // The record of the focused row; null when no row has the focus.
    virtual const TCobwenData* FocusedRecord() const = 0;
};

// Puts code page 1251 text on the clipboard; false when the clipboard could not be set.
class ClipboardWriter {
public:
    virtual ~ClipboardWriter() = default;
    virtual bool Write(const std::string& text) = 0;
};

// Hands a web address or a mail link (code page 1251) to the user's default program; false when
// the shell refused it.
class ShellOpener {
public:
    virtual ~ShellOpener() = default;
    virtual bool Open(const std::string& target) = 0;
};

// The settings that shape the copied text.
struct CopyInfoSettings {
    std::string CopyPluginInfoFormat = "%URL";
    bool CopyAllSelectedToClipboard = false;
};

// The text "copy information" puts on the clipboard; nothing when no row is selected.
//
// With one selected row, or with CopyAllSelectedToClipboard off, the focused row's record is
// expanded alone. Otherwise every selected record is expanded and followed by a CR, in selection
// order, and the whole text loses its leading and trailing blanks and control characters. Without a
// focused row where one is needed the text is empty.
std::optional<std::string> PluginInfoText(const RecordSelection& list,
                                          const CopyInfoSettings& settings,
                                          const TextLocale& locale);

// "mailto:" and the percent-encoded bare address of the record's e-mail field, when the address
// has an "@" after its first character.
std::optional<std::string> AuthorMailLink(const TCobwenData& record);

// The record's home page unless it is "-" or shorter than 11 characters.
std::optional<std::string> AuthorPageLink(const TCobwenData& record);

// The commands of the list's context menu. The shell's failures go unreported.
void CopyPluginInfo(const RecordSelection& list, const CopyInfoSettings& settings,
                    const TextLocale& locale, ClipboardWriter& clipboard);
// Writing to and visiting the author take the first selected row.
void SendEMailToAuthor(const RecordSelection& list, ShellOpener& shell);
void GotoAuthorPage(const RecordSelection& list, ShellOpener& shell);

} // namespace cobwen
