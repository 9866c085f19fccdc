#pragma once

// The plug-in's three settings, kept as the registry holds them: a value other than the one that
// switches a feature on leaves it off, so a stray 2 in the registry changes nothing.

#include "plugin-host/kit/core/Settings.h"

#include <cstdint>

namespace sockwell {

struct Settings {
    std::uint32_t resolve = 0;      // "Resolve": exactly 1 shows host names
    std::uint32_t resolvePorts = 0; // "ResolvePorts": nonzero shows service names
    std::uint32_t autoRefresh = 1;  // "AutoRefresh": exactly 1 refreshes while idle

    bool ResolveHosts() const { return resolve == 1; }
    bool ResolvePortNames() const { return resolvePorts != 0; }
    bool RefreshWhenIdle() const { return autoRefresh == 1; }
};

// The settings' fixed key below HKEY_CURRENT_USER, and which value is which.
inline constexpr const char* SettingsKey = "Software\\Ferrow\\Sockwell";
inline constexpr ulvar::kit::SettingValue<Settings> SettingsValues[] = {
    {"Resolve", &Settings::resolve},
    {"ResolvePorts", &Settings::resolvePorts},
    {"AutoRefresh", &Settings::autoRefresh},
};

} // namespace sockwell
