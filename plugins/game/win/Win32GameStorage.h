#pragma once

// The game's storage on Windows: the game file through the wide file functions (paths converted
// from the OEM code page), the values in the registry.

#include "plugins/game/core/GameStorage.h"

namespace blocksby::win {

class Win32GameStorage : public GameStorage {
public:
    std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path) override;
    bool WriteGameFile(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
    std::unique_ptr<ulvar::kit::ValueStore> Values(const std::string& keyPath) override;
};

} // namespace blocksby::win
