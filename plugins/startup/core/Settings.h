#pragma once

// The plug-in's settings: REG_DWORD values in the key "Drumlo\Launchet" below the host's root key.

#include "plugin-host/kit/core/Settings.h"

#include <cstdint>

namespace launchet {

struct Settings {
    std::uint32_t createAs = 0;         // "CreateAs": the last destination of new entries (0..3)
    std::uint32_t addToDisksMenu = 1;   // "AddToDisksMenu"
    std::uint32_t disksMenuHotkey = 0;  // "DisksMenuHotkey"
    std::uint32_t addToPluginsMenu = 1; // "AddToPluginsMenu"
};

inline constexpr const char* SettingsSubKey = "Drumlo\\Launchet";
inline constexpr const char* CreateAsValue = "CreateAs";
inline constexpr ulvar::kit::SettingValue<Settings> SettingsValues[] = {
    {CreateAsValue, &Settings::createAs},
    {"AddToDisksMenu", &Settings::addToDisksMenu},
    {"DisksMenuHotkey", &Settings::disksMenuHotkey},
    {"AddToPluginsMenu", &Settings::addToPluginsMenu},
};
// The values the configuration dialog writes.
inline constexpr ulvar::kit::SettingValue<Settings> MenuSettingsValues[] = {
    {"AddToDisksMenu", &Settings::addToDisksMenu},
    {"DisksMenuHotkey", &Settings::disksMenuHotkey},
    {"AddToPluginsMenu", &Settings::addToPluginsMenu},
};

} // namespace launchet
