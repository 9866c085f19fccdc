#pragma once

// The interactive host's terminal: key presses from the console's input events, the virtual
// screen copied into the console's screen buffer. The console handles are the process's standard
// ones and are not owned.

#include "plugin-host/standin/core/InteractiveUi.h"

namespace ulvar::standin {

class ConsoleTerminal : public Terminal {
public:
    ConsoleTerminal();
    // Puts the console's input mode and cursor back as they were.
    ~ConsoleTerminal() override;
    ConsoleTerminal(const ConsoleTerminal&) = delete;
    ConsoleTerminal& operator=(const ConsoleTerminal&) = delete;

    // False when the process has no console.
    bool Valid() const { return valid_; }
    // The screen buffer's size.
    int BufferWidth() const;
    int BufferHeight() const;
    // Grows the screen buffer to at least this size.
    void EnsureBufferSize(int width, int height);

    bool ReadKey(KeyPress& key, int timeoutMs) override;
    void Show(const VirtualScreen& screen, bool withCursor) override;

private:
    void* input_ = nullptr;  // HANDLE
    void* output_ = nullptr; // HANDLE
    unsigned long savedMode_ = 0;
    bool savedCursorVisible_ = true;
    unsigned long savedCursorSize_ = 25;
    bool valid_ = false;
};

// KeyCtrl, KeyAlt and KeyShift from a console event's control-key state.
unsigned KeyStateFromConsole(unsigned long controlKeyState);

} // namespace ulvar::standin
