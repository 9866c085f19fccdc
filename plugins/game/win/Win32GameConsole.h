#pragma once

// The real console of the process, through the Win32 console functions.

#include "plugins/game/core/GameConsole.h"

namespace blocksby::win {

class Win32GameConsole : public GameConsole {
public:
    void TakeHandles() override;
    bool BufferSize(int& width, int& height) override;
    bool PeekEvent(ConsoleEvent& event) override;
    bool ReadEvent(ConsoleEvent& event) override;
    bool CursorVisible() override;
    void SetCursorVisible(bool visible) override;
    std::string Title() override;
    void SetTitle(const std::string& ansiTitle) override;
    std::uintptr_t ForegroundWindow() override;
    std::uint32_t TickCount() override;
    void Sleep(std::uint32_t milliseconds) override;
    void Beep() override;

private:
    // Standard handles belong to the process; they are borrowed, never closed.
    void* input_ = nullptr;
    void* output_ = nullptr;
};

} // namespace blocksby::win
