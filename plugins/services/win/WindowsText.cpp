#include "plugins/services/win/WindowsText.h"

#include "win32/Text.h"

#include <windows.h>

namespace sentrel::win {

std::string WindowsText::AnsiFromOem(std::string_view oem) const {
    return win32::AnsiFromOem(oem);
}

std::string WindowsText::OemFromAnsi(std::string_view ansi) const {
    return win32::OemFromAnsi(ansi);
}

std::string WindowsText::UpperAnsi(std::string_view ansi) const {
    std::string upper(ansi);
    if (!upper.empty())
        CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

} // namespace sentrel::win
