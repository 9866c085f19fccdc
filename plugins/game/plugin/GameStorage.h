#pragma once

// Where the game lives between openings: the game file beside the library and the registry value
// that turns the automatic pause on. Paths are OEM text, as the host hands them over.

#include "plugins/game/engine/GameFile.h"

#include <optional>
#include <string>
#include <vector>

namespace blocksby {

inline constexpr unsigned long AutoPauseMagic = 27183;

// The library's path with the text after its last "." replaced by "gam".
std::string GameFilePath(const std::string& modulePath);

// The file's first bytes, as many as a game file holds; nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path);
// Creates the file anew with the bytes; false (and nothing else) when it cannot be written.
bool WriteGameFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The value "Window" under HKEY_CURRENT_USER\<keyPath> equals the magic number.
bool ReadAutoPause(const std::string& keyPath);

} // namespace blocksby
