#pragma once

// The host speaks the OEM code page, Windows the ANSI one: conversions done by the system.

#include <string>

namespace sockwell::win {

std::string OemFromAnsi(const std::string& ansi);
std::wstring WideFromOem(const std::string& oem);

} // namespace sockwell::win
