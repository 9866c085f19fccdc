#pragma once

// The plug-in's three settings, kept as the registry holds them: a value other than the one that
// switches a feature on leaves it off, so a stray 2 in the registry changes nothing.

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

inline constexpr const char* SettingsKey = "Software\\Ferrow\\Sockwell";
inline constexpr const char* ResolveValue = "Resolve";
inline constexpr const char* ResolvePortsValue = "ResolvePorts";
inline constexpr const char* AutoRefreshValue = "AutoRefresh";

} // namespace sockwell
