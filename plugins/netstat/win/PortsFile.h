#pragma once

// ports.lst beside the plug-in library.

#include "plugins/netstat/core/PortNames.h"

#include <string>

namespace sockwell::win {

// The library's full path cut after its last backslash, followed by "ports.lst" (OEM text).
std::string PortsFilePath(const std::string& modulePath);
// Reads the file into the table; false (and nothing loaded) when it cannot be opened.
bool ReadPortsFile(const std::string& path, PortNameTable& table);

} // namespace sockwell::win
