#pragma once

// Everything the rules work on: the board with the falling piece on it, the pieces, the counters
// and the options that change how the rules play.

#include "plugins/game/core/GameBoard.h"

#include <cstdint>

namespace blocksby {

inline constexpr int StartColumn = 4;
inline constexpr int StartRow = 0;
inline constexpr std::int32_t MaxDelay = 10;
inline constexpr std::int32_t DefaultStartDelay = 5;
inline constexpr std::int32_t DefaultLinesPerSpeedUp = 10;
inline constexpr std::int32_t MinLinesPerSpeedUp = 5;
inline constexpr std::int32_t MaxLinesPerSpeedUp = 1000;
inline constexpr std::int32_t LinesPerSpeedUpStep = 5;

// Points a piece is worth when it appears at a given gravity interval.
constexpr std::int32_t PieceValueFor(std::int32_t delay) {
    return 2 * (11 - delay);
}

struct GameState {
    GameBoard board;
    std::int32_t currentPiece = 0;
    std::int32_t nextPiece = 0;
    std::int32_t rotation = 0;
    std::int32_t pieceColumn = StartColumn;
    std::int32_t pieceRow = StartRow;
    std::int32_t score = 0;
    std::int32_t bestScore = 0;
    std::int32_t linesCleared = 0;
    std::int32_t linesAtLastSpeedUp = 0;
    std::int32_t linesPerSpeedUp = DefaultLinesPerSpeedUp;
    // Gravity interval in ticks of 50 ms; smaller is faster.
    std::int32_t delay = DefaultStartDelay;
    std::int32_t startDelay = DefaultStartDelay;
    std::int32_t pieceValue = 0;
    // 1 once a dropped piece that reached the bottom was given one more gravity interval.
    std::int32_t graceStep = 0;
    bool dropping = false;
    bool gameOver = false;
    bool showNext = true;
    bool shortDrop = false;
    bool rotateForward = true;
};

} // namespace blocksby
