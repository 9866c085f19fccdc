#pragma once

// A game engine with recorded hooks: a tick count the test sets, a count of beeps, and the list
// of what the engine asked the screen and the plug-in to do.

#include "plugins/game/core/GameEngine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace blocksby::test {

class RecordingHooks : public GameEnvironment, public GameListener {
public:
    std::uint32_t ticks = 1000;
    int beeps = 0;
    // "erase N", "draw N", "numbers", "board", "reset", "step", "score S", "save", "menu".
    std::vector<std::string> events;
    const GameState* state = nullptr;

    std::uint32_t TickCount() override { return ticks; }
    void Beep() override { ++beeps; }
    void ErasePreview(int piece) override { events.push_back("erase " + std::to_string(piece)); }
    void DrawPreview(int piece) override { events.push_back("draw " + std::to_string(piece)); }
    void RedrawNumbers() override { events.push_back("numbers"); }
    void RedrawBoard() override { events.push_back("board"); }
    void ResetTickCounter() override { events.push_back("reset"); }
    void StepDone() override { events.push_back("step"); }
    void EnterScore() override { events.push_back("score " + std::to_string(state->score)); }
    void SaveGame() override { events.push_back("save"); }
    void ReturnToMenu() override { events.push_back("menu"); }

    int Count(const std::string& event) const;
};

class EngineTest : public ::testing::Test {
protected:
    EngineTest() { hooks.state = &engine.State(); }

    // Puts the falling piece at a position and places it on the board.
    void SetPiece(int piece, int rotation, int column, int row);
    // Fills the well row with colour 1, leaving the given columns empty.
    void FillRow(int row, std::vector<int> emptyColumns = {});
    // Cells of one well row as text: "#" filled, "." empty.
    std::string RowText(int row) const;
    int FilledWellCells() const;

    RecordingHooks hooks;
    GameEngine engine{hooks, hooks};
    GameState& state = engine.State();
};

} // namespace blocksby::test
