#pragma once

// The settings in the registry under HKEY_CURRENT_USER\Software\Ferrow\Sockwell, as DWORD values.

#include "plugins/netstat/core/Settings.h"

namespace sockwell::win {

// The stored settings; a value that is missing, of another type or unreadable keeps its default.
Settings ReadSettings();
// Creates the key when needed and writes the three values; false when the key could not be
// opened or a value not written.
bool WriteSettings(const Settings& settings);

} // namespace sockwell::win
