#pragma once

// Conversions of the host's OEM text for Windows calls, done by the system.

#include <string>

namespace blocksby {

std::wstring WideFromOem(const std::string& oem);
std::string AnsiFromOem(const std::string& oem);

} // namespace blocksby
