#pragma once

// The stored game: the whole model, the keys, the options and the score table in one file of
// 2106 little-endian bytes, written whole when the game is left and at each game end.

#include "plugins/game/core/GameKeys.h"
#include "plugins/game/core/GameState.h"
#include "plugins/game/core/ScoreTable.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace blocksby {

inline constexpr std::size_t GameFileSize = 2106;

struct SavedGame {
    GameState state; // the board without the falling piece
    GameKeys keys;
    ScoreTable scores;
    bool colourMode = true;
};

std::vector<std::uint8_t> EncodeGameFile(const SavedGame& game);

// Reads the file's fields over `game` in the order they are stored. Reading stops, keeping what
// was read, at the first of the board, the 4-byte fields up to the speed-up interval, the start
// delay and the rotation direction that finds no more bytes; a field cut short takes the bytes
// that are there as its low-order bytes. The score table's first score becomes the best score.
//
// A file written by something else may hold values the game cannot have. Those are refused and
// the field keeps the value `game` had before: a piece outside 0-6, a rotation outside 0-3, a
// position where a filled cell of the piece would leave the well, a delay or start delay outside
// 0-10, a speed-up interval outside 5-1000, a piece value outside 0-22. Board cells of the well
// take any byte (it is a colour); the floor and the cells outside the well get their cleared
// values back. A name without its terminating zero is cut to 31 characters.
void DecodeGameFile(std::span<const std::uint8_t> bytes, SavedGame& game);

} // namespace blocksby
