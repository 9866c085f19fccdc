#pragma once

// Where the game lives between openings: the game file beside the library and the registry value
// that turns the automatic pause on, behind an interface (win/Win32GameStorage.h on Windows, a
// storage of the tests' own under test). Paths are OEM text, as the host hands them over.

#include "plugin-host/kit/core/Settings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace blocksby {

// The library's path with the text after its last "." replaced by "gam".
std::string GameFilePath(const std::string& modulePath);

// The game's values under <the host's root key>\Blocksby.
inline constexpr const char* SettingsSubKey = "Blocksby";
inline constexpr std::uint32_t AutoPauseMagic = 27183;

struct GameSettings {
    std::uint32_t window = 0; // "Window": the magic number pauses the game behind another window

    bool AutoPause() const { return window == AutoPauseMagic; }
};

inline constexpr ulvar::kit::SettingValue<GameSettings> GameSettingsValues[] = {
    {"Window", &GameSettings::window},
};

class GameStorage {
public:
    virtual ~GameStorage() = default;

    // The file's first bytes, as many as a game file holds; nothing when it cannot be opened.
    virtual std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path) = 0;
    // Creates the file anew with the bytes; false (and nothing else) when it cannot be written.
    virtual bool WriteGameFile(const std::string& path, const std::vector<std::uint8_t>& bytes) = 0;
    // The values under HKEY_CURRENT_USER\<keyPath>.
    virtual std::unique_ptr<ulvar::kit::ValueStore> Values(const std::string& keyPath) = 0;
};

} // namespace blocksby
