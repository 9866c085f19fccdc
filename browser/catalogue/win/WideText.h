#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// The browser's own text is code page 1251 whatever the system's ANSI code page is.
inline constexpr unsigned kBrowserCodePage = 1251;

// 8-bit text of the given code page as UTF-16 for the wide Windows functions.
std::wstring ToWide(std::string_view text, unsigned codePage);
// UTF-16 text as 8-bit text of the given code page; characters the code page lacks become its
// default character.
std::string FromWide(std::wstring_view text, unsigned codePage);

} // namespace cobwen
