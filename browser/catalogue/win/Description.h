#pragma once

#include "browser/catalogue/core/DescriptionText.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <string>

namespace cobwen {

// One rewrite of a description file: the hidden text file in the console's OEM code page that
// gives the file manager a one-line description of each file of its folder.
//
// Create reads the file, SetDescription writes it anew with one file's line added or replaced,
// destruction hides it again. Failures are raised as CobwenError. The new content goes to a
// temporary file in the same folder that then takes the old file's place in one step, so the
// previous content survives any failure.
class TDescription {
public:
    TDescription() = default;
    TDescription(const TDescription&) = delete;
    TDescription& operator=(const TDescription&) = delete;
    // Closes the file and gives it the hidden attribute, whether it had it before or not.
    ~TDescription();

    // Reads the file, if it exists, as the text (without leading and trailing blanks and control
    // characters) and clears its hidden attribute; a missing file gives an empty text. Then opens
    // the file for writing, creating it when missing.
    void Create(const std::string& path);

    // Records `text` (of `textCodePage`, the system's ANSI code page unless told) as the
    // description of `fileName` and writes the complete new content in place of the old one. The
    // name is taken as it is, without conversion. Needs a successful Create; one object serves one
    // call.
    void SetDescription(const std::string& fileName, const std::string& text,
                        unsigned textCodePage = win32::AnsiCodePage);

    const std::string& Text() const { return text_; }

private:
    std::string path_;
    std::string text_;
    win32::KernelHandle file_;
    ByteCaseTable upperCase_{};
};

} // namespace cobwen
