#pragma once

// Text between the code pages the kit meets: the browser's code page 1251, the system's ANSI and
// OEM code pages, and UTF-16 for the wide Windows functions. Every conversion is the system's own.

#include <string>
#include <string_view>

namespace win32 {

// The system's current code pages, as MultiByteToWideChar names them.
inline constexpr unsigned AnsiCodePage = 0; // CP_ACP
inline constexpr unsigned OemCodePage = 1;  // CP_OEMCP

// 8-bit text of the given code page as UTF-16.
std::wstring ToWide(std::string_view text, unsigned codePage);
// UTF-16 text as 8-bit text of the given code page; characters the code page lacks become its
// nearest fit or its default character.
std::string FromWide(std::wstring_view text, unsigned codePage);
// 8-bit text of one code page in another, through UTF-16.
std::string Recode(std::string_view text, unsigned fromCodePage, unsigned toCodePage);

// The host of the plug-ins speaks the OEM code page, Windows' "A" functions the ANSI one.
inline std::string OemFromAnsi(std::string_view ansi) {
    return Recode(ansi, AnsiCodePage, OemCodePage);
}
inline std::string AnsiFromOem(std::string_view oem) {
    return Recode(oem, OemCodePage, AnsiCodePage);
}
inline std::wstring WideFromOem(std::string_view oem) {
    return ToWide(oem, OemCodePage);
}
inline std::string OemFromWide(std::wstring_view wide) {
    return FromWide(wide, OemCodePage);
}

} // namespace win32
