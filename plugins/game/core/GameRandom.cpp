#include "plugins/game/core/GameRandom.h"

namespace blocksby {

std::uint32_t GameRandom::Next() {
    state_ = state_ * Multiplier + 1; // unsigned: wraps modulo 2^64
    return static_cast<std::uint32_t>(state_ >> 32) & 0x7FFFFFFFu;
}

} // namespace blocksby
