#pragma once

// The rules of the game: moves of the falling piece, gravity, full rows, scoring, speed and the
// end of a game. The falling piece stays placed on the board between operations; every move
// removes it, tests and places it again.

#include "plugins/game/core/GameHooks.h"
#include "plugins/game/core/GameRandom.h"
#include "plugins/game/core/GameState.h"

namespace blocksby {

class GameEngine {
public:
    GameEngine(GameEnvironment& environment, GameListener& listener);

    GameState& State() { return state_; }
    const GameState& State() const { return state_; }

    // Whether every filled cell of the piece at (column, row) lies inside columns 0-9 on an
    // empty cell. The floor row stops pieces at the bottom.
    bool Fits(int column, int row, int piece, int rotation) const;
    // Writes the falling piece's colour into, or 0 out of, the cells under its filled cells.
    void Place();
    void Remove();

    // The start of every loaded game: picks the first pieces.
    void Open();
    void NewGame();
    void NewPiece();
    void Step();

    void MoveLeft();
    void MoveRight();
    void MoveAllLeft();
    void MoveAllRight();
    void Rotate();
    void Swap();
    void Drop();

private:
    void Fill(std::uint8_t colour);
    bool FitsAt(int column, int row, int rotation) const;
    bool Shift(int columns);
    // Removes full rows, scores them and speeds the game up when enough rows are gone.
    void ClearFullRows();
    void EndGame();
    void ResetCounters();
    std::int32_t Factor() const { return state_.showNext ? 1 : 2; }

    GameEnvironment& environment_;
    GameListener& listener_;
    GameRandom random_;
    GameState state_;
};

} // namespace blocksby
