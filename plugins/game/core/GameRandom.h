#pragma once

// The game's own random numbers: a 64-bit linear congruential sequence that always starts from 1,
// so the pieces after loading the plug-in come in the same order every time.

#include <cstdint>

namespace blocksby {

class GameRandom {
public:
    // Upper 32 bits 0x15A, lower 32 bits 0x4E35.
    static constexpr std::uint64_t Multiplier = (std::uint64_t{0x15A} << 32) | 0x4E35;

    // 0 to 2^31 - 1.
    std::uint32_t Next();
    std::uint64_t State() const { return state_; }

private:
    std::uint64_t state_ = 1;
};

} // namespace blocksby
