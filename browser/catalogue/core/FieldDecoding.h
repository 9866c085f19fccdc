#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace cobwen {

struct TWindowsVersionInfo {
    std::uint8_t mask;
    const char* name;
};

// In the order of the Windows-version filter's choices.
inline constexpr std::array<TWindowsVersionInfo, 7> WindowsVersions{{
    {0x03, "9x"},
    {0x04, "NT"},
    {0x06, "2000"},
    {0x10, "XP"},
    {0x20, "2003"},
    {0x40, "Vista"},
    {0x80, "x64"},
}};

// Display texts of catalogue fields (all code page 1251).
std::string HtmlToText(std::string_view description);
std::string EMailAddress(std::string_view email);
std::string SrcLanguageName(std::string_view code);
std::string WindowsVersionText(std::string_view flags);

// The flag string read as a bit set: its first character is bit 0.
std::uint32_t BitString(std::string_view flags);

} // namespace cobwen
