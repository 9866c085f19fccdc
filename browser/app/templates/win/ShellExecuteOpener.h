#pragma once

#include "browser/app/templates/core/InfoCommands.h"

#include <windows.h>

namespace cobwen {

// Opens a document, a web address or a mail link with the shell's "open" verb, shown normally;
// the shell shows no message of its own when it cannot.
// The text is code page 1251 whatever the system's ANSI code page is.
class ShellExecuteOpener final : public ShellOpener {
public:
    explicit ShellExecuteOpener(HWND owner = nullptr) : owner_(owner) {}
    bool Open(const std::string& target) override;

private:
    HWND owner_;
};

} // namespace cobwen
