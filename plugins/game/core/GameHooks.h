#pragma once

// What the rules need from outside: the system's tick count and beep (GameEnvironment), and the
// places where the screen or the stored game must follow the model (GameListener). The engine
// stays free of any drawing or platform call.

#include <cstdint>

namespace blocksby {

class GameEnvironment {
public:
    virtual ~GameEnvironment() = default;
    // Milliseconds since the system started; only whether it is 0 matters to the rules.
    virtual std::uint32_t TickCount() = 0;
    // The well was emptied by a cleared row.
    virtual void Beep() = 0;
};

class GameListener {
public:
    virtual ~GameListener() = default;
    virtual void ErasePreview(int piece) = 0;
    virtual void DrawPreview(int piece) = 0;
    virtual void RedrawNumbers() = 0;
    virtual void RedrawBoard() = 0;
    // A gravity step began: the loop's count of ticks since the last step starts again.
    virtual void ResetTickCounter() = 0;
    // A gravity step ended (the automatic pause is tested here).
    virtual void StepDone() = 0;
    // A game ended: its score goes into the table, then the game is saved, then play returns to
    // the menu.
    virtual void EnterScore() = 0;
    virtual void SaveGame() = 0;
    virtual void ReturnToMenu() = 0;
};

} // namespace blocksby
