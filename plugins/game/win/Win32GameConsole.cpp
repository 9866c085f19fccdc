#include "plugins/game/win/Win32GameConsole.h"

#include <windows.h>

#include <vector>

namespace blocksby::win {
namespace {

ConsoleEvent FromRecord(const INPUT_RECORD& record) {
    ConsoleEvent event;
    if (record.EventType == KEY_EVENT) {
        event.key = true;
        event.keyDown = record.Event.KeyEvent.bKeyDown != FALSE;
        event.virtualKey = record.Event.KeyEvent.wVirtualKeyCode;
        event.controlKeyState = record.Event.KeyEvent.dwControlKeyState;
    }
    return event;
}

} // namespace

void Win32GameConsole::TakeHandles() {
    input_ = GetStdHandle(STD_INPUT_HANDLE);
    output_ = GetStdHandle(STD_OUTPUT_HANDLE);
}

bool Win32GameConsole::BufferSize(int& width, int& height) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!GetConsoleScreenBufferInfo(output_, &info)) {
        return false;
    }
    width = info.dwSize.X;
    height = info.dwSize.Y;
    return true;
}

bool Win32GameConsole::PeekEvent(ConsoleEvent& event) {
    INPUT_RECORD record{};
    DWORD count = 0;
    if (!PeekConsoleInputA(input_, &record, 1, &count) || count == 0) {
        return false;
    }
    event = FromRecord(record);
    return true;
}

bool Win32GameConsole::ReadEvent(ConsoleEvent& event) {
    INPUT_RECORD record{};
    DWORD count = 0;
    if (!ReadConsoleInputA(input_, &record, 1, &count) || count == 0) {
        return false;
    }
    event = FromRecord(record);
    return true;
}

bool Win32GameConsole::CursorVisible() {
    CONSOLE_CURSOR_INFO info{};
    return GetConsoleCursorInfo(output_, &info) && info.bVisible;
}

void Win32GameConsole::SetCursorVisible(bool visible) {
    CONSOLE_CURSOR_INFO info{};
    if (!GetConsoleCursorInfo(output_, &info)) {
        info.dwSize = 25;
    }
    info.bVisible = visible ? TRUE : FALSE;
    SetConsoleCursorInfo(output_, &info);
}

std::string Win32GameConsole::Title() {
    std::vector<char> title(1024);
    const DWORD length = GetConsoleTitleA(title.data(), static_cast<DWORD>(title.size()));
    return std::string(title.data(), length < title.size() ? length : 0);
}

void Win32GameConsole::SetTitle(const std::string& ansiTitle) {
    SetConsoleTitleA(ansiTitle.c_str());
}

std::uintptr_t Win32GameConsole::ForegroundWindow() {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

std::uint32_t Win32GameConsole::TickCount() {
    return GetTickCount();
}

void Win32GameConsole::Sleep(std::uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

void Win32GameConsole::Beep() {
    MessageBeep(MB_ICONQUESTION);
}

} // namespace blocksby::win
