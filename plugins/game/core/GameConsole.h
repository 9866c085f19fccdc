#pragma once

// The console as the game uses it directly, beside the host's text output: input events, the
// cursor, the title, the buffer size, the foreground window, time and the beep. The plug-in runs
// on the real console; tests install one that plays back key events on a clock of their own.

#include <cstdint>
#include <string>

namespace blocksby {

// Virtual-key codes of the fixed keys.
namespace vk {
inline constexpr std::uint16_t Tab = 0x09;
inline constexpr std::uint16_t Return = 0x0D;
inline constexpr std::uint16_t Escape = 0x1B;
inline constexpr std::uint16_t PageUp = 0x21;
inline constexpr std::uint16_t PageDown = 0x22;
inline constexpr std::uint16_t Insert = 0x2D;
inline constexpr std::uint16_t NumpadAdd = 0x6B;
inline constexpr std::uint16_t NumpadSubtract = 0x6D;
inline constexpr std::uint16_t F1 = 0x70;
inline constexpr std::uint16_t F2 = 0x71;
inline constexpr std::uint16_t F8 = 0x77;
inline constexpr std::uint16_t F9 = 0x78;
inline constexpr std::uint16_t F10 = 0x79;
inline constexpr std::uint16_t F12 = 0x7B;
} // namespace vk

// Modifier and lock keys in an event's control-key state (Alt, Ctrl, Shift, Num Lock, Scroll
// Lock, Caps Lock).
inline constexpr std::uint32_t ControlKeyStateMask = 0xFF;

struct ConsoleEvent {
    bool key = false; // a keyboard event; anything else (mouse, focus, size) only ends a quit
    bool keyDown = false;
    std::uint16_t virtualKey = 0;
    std::uint32_t controlKeyState = 0;

    bool IsKeyDown() const { return key && keyDown; }
};

class GameConsole {
public:
    virtual ~GameConsole() = default;

    // Takes the standard input and output handles for this opening of the game.
    virtual void TakeHandles() = 0;
    // The screen buffer's size in character cells; false when it cannot be read.
    virtual bool BufferSize(int& width, int& height) = 0;
    // The first waiting input event, left in the queue; false when none is waiting.
    virtual bool PeekEvent(ConsoleEvent& event) = 0;
    // Removes the first input event, waiting for one when none is there; false on failure.
    virtual bool ReadEvent(ConsoleEvent& event) = 0;
    virtual bool CursorVisible() = 0;
    virtual void SetCursorVisible(bool visible) = 0;
    // The console title in the ANSI code page.
    virtual std::string Title() = 0;
    virtual void SetTitle(const std::string& ansiTitle) = 0;
    // An identity of the foreground window, 0 when there is none.
    virtual std::uintptr_t ForegroundWindow() = 0;
    virtual std::uint32_t TickCount() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual void Beep() = 0;
};

} // namespace blocksby
