#pragma once

// The seven keys the player may redefine, as virtual-key codes.

#include <cstdint>

namespace blocksby {

struct GameKeys {
    std::uint16_t left = 37;     // Left arrow
    std::uint16_t right = 39;    // Right arrow
    std::uint16_t drop = 32;     // Space
    std::uint16_t rotate = 38;   // Up arrow
    std::uint16_t swap = 40;     // Down arrow
    std::uint16_t allLeft = 36;  // Home
    std::uint16_t allRight = 35; // End

    bool operator==(const GameKeys&) const = default;
};

} // namespace blocksby
