#pragma once

#include <string>

namespace cobwen {

// Puts code page 1251 text on the clipboard as 8-bit text while the Russian keyboard layout is
// active, so that the clipboard marks the text as Russian; the layout active before is active
// again afterwards. False when the clipboard could not be set.
bool CopyTextRussianLocale(const std::string& text);

// Puts code page 1251 text on the clipboard as Unicode text, whatever the system's ANSI code page.
bool CopyTextUnicode(const std::string& text);

} // namespace cobwen
