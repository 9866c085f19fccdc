#pragma once

// A console for tests: plays back a script of input events, pauses and actions on a clock of
// its own. Time moves only when the game sleeps, so what happens between two keys is exactly
// what the script's pauses allow. Once the script is used up, every read is Esc, which pauses a
// game, asks to leave and leaves; the test sees how often that happened.

#include "plugins/game/core/GameConsole.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace blocksby::test {

class FakeConsole : public GameConsole {
public:
    // Screen-buffer size, clock and console state the game finds.
    int width = 80;
    int height = 25;
    std::uint32_t ticks = 1000;
    bool cursorVisible = true;
    std::string title = "Ulvar";
    // The foreground window at each call; the default never changes.
    std::function<std::uintptr_t()> foreground = [] {
        return std::uintptr_t{0x100};
    };

    // What the game did with it.
    std::vector<std::string> titlesSet;
    int beeps = 0;
    int handlesTaken = 0;
    int scriptRanOut = 0;

    // The script.
    void KeyDown(std::uint16_t virtualKey, std::uint32_t controlKeyState = 0);
    void KeyUp(std::uint16_t virtualKey, std::uint32_t controlKeyState = 0);
    // Down and up.
    void Press(std::uint16_t virtualKey, std::uint32_t controlKeyState = 0);
    // An input event that is not a key (e.g. a mouse move).
    void OtherEvent();
    // No input until the clock has moved on by this much.
    void Wait(std::uint32_t milliseconds);
    // Runs when the game first looks for input after everything before it.
    void Then(std::function<void()> action);
    // Esc to pause a game, Esc again to leave, and its release.
    void PauseAndLeave();
    // From the menu: Esc and its release.
    void Leave();
    bool ScriptDone() const { return script_.empty(); }

    void TakeHandles() override { ++handlesTaken; }
    bool BufferSize(int& w, int& h) override;
    bool PeekEvent(ConsoleEvent& event) override;
    bool ReadEvent(ConsoleEvent& event) override;
    bool CursorVisible() override { return cursorVisible; }
    void SetCursorVisible(bool visible) override { cursorVisible = visible; }
    std::string Title() override { return title; }
    void SetTitle(const std::string& ansiTitle) override;
    std::uintptr_t ForegroundWindow() override { return foreground(); }
    std::uint32_t TickCount() override { return ticks; }
    void Sleep(std::uint32_t milliseconds) override { ticks += milliseconds; }
    void Beep() override { ++beeps; }

private:
    struct Item {
        enum class Kind { Event, Wait, Action } kind = Kind::Event;
        ConsoleEvent event;
        std::uint32_t milliseconds = 0;
        bool waiting = false;
        std::uint32_t until = 0;
        std::function<void()> action;
    };

    // Runs due actions and finished pauses; the first event, or false while a pause lasts.
    bool Head(ConsoleEvent& event, bool block);

    std::deque<Item> script_;
};

} // namespace blocksby::test
