#pragma once

// The plug-in's settings: 32-bit values below "<host's root key>\Sentrel", read once at start-up
// with their defaults and clamped to what each accepts. A value that is missing or not a REG_DWORD
// of four bytes reads as its default (the store decides what it holds).

#include "plugin-host/kit/core/Settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sentrel {

inline constexpr std::uint32_t DefaultCfmFlags = 0x1FE;

struct Settings {
    bool addToDisksMenu = true;
    int disksMenuDigit = 0; // 1 to 9, 0 = none
    // The start view mode as the host takes it: '0' to '9', or 0 (no start mode) after the
    // configuration dialog was left blank.
    int defaultViewMode = '3';
    bool addDotsToRoot = true;
    int dirStructure = 0; // 0 to 2
    // Missing at start-up: the default mappings are written and the setting becomes on.
    std::optional<bool> useAttrMapping;
    std::uint32_t cfmFlags = DefaultCfmFlags;
    bool remoteDescrs = false;
};

// The value names.
namespace value {
inline constexpr const char* AddToDisksMenu = "AddToDisksMenu";
inline constexpr const char* DisksMenuDigit = "DisksMenuDigit";
inline constexpr const char* DefaultViewMode = "DefaultViewMode";
inline constexpr const char* AddDotsToRoot = "AddDotsToRoot";
inline constexpr const char* DirStructure = "DirStructure";
inline constexpr const char* UseAttrMapping = "UseAttrMapping";
inline constexpr const char* CfmFlags = "CfmFlags";
inline constexpr const char* RemoteDescrs = "RemoteDescrs";
} // namespace value

// Every setting from the store, clamped.
Settings ReadSettings(const ulvar::kit::ValueStore& store);

// The plug-in's key from the host's root key.
std::string SettingsKeyName(std::string_view rootKey);

} // namespace sentrel
