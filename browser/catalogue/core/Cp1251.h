#pragma once

#include <string>
#include <string_view>

namespace cobwen {

// The browser's own text is code page 1251 whatever the system's ANSI code page is.
inline constexpr unsigned BrowserCodePage = 1251;

// Conversions between code page 1251 and UTF-8. Bytes that code page 1251 leaves undefined
// (0x98) become U+FFFD; characters code page 1251 lacks become "?".
std::string Cp1251ToUtf8(std::string_view text);
std::string Utf8ToCp1251(std::string_view text);

} // namespace cobwen
