#include "plugin-host/standin/console/ConsoleTerminal.h"

#include <algorithm>
#include <vector>
#include <windows.h>

namespace ulvar::standin {

unsigned KeyStateFromConsole(unsigned long controlKeyState) {
    unsigned state = 0;
    if (controlKeyState & (LEFT_CTRL_PRESSED | RIGHT_CTRL_PRESSED))
        state |= KeyCtrl;
    if (controlKeyState & (LEFT_ALT_PRESSED | RIGHT_ALT_PRESSED))
        state |= KeyAlt;
    if (controlKeyState & SHIFT_PRESSED)
        state |= KeyShift;
    return state;
}

ConsoleTerminal::ConsoleTerminal() {
    input_ = GetStdHandle(STD_INPUT_HANDLE);
    output_ = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    CONSOLE_SCREEN_BUFFER_INFO info;
    valid_ = GetConsoleMode(input_, &mode) && GetConsoleScreenBufferInfo(output_, &info);
    if (!valid_)
        return;
    savedMode_ = mode;
    // Raw key events; Ctrl+C and Ctrl+Break still reach the control handler.
    SetConsoleMode(input_, ENABLE_PROCESSED_INPUT | ENABLE_EXTENDED_FLAGS);
    CONSOLE_CURSOR_INFO cursor;
    if (GetConsoleCursorInfo(output_, &cursor)) {
        savedCursorVisible_ = cursor.bVisible != FALSE;
        savedCursorSize_ = cursor.dwSize;
    }
}

ConsoleTerminal::~ConsoleTerminal() {
    if (!valid_)
        return;
    SetConsoleMode(input_, savedMode_);
    CONSOLE_CURSOR_INFO cursor{savedCursorSize_, savedCursorVisible_ ? TRUE : FALSE};
    SetConsoleCursorInfo(output_, &cursor);
}

int ConsoleTerminal::BufferWidth() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    return GetConsoleScreenBufferInfo(output_, &info) ? info.dwSize.X : 0;
}

int ConsoleTerminal::BufferHeight() const {
    CONSOLE_SCREEN_BUFFER_INFO info;
    return GetConsoleScreenBufferInfo(output_, &info) ? info.dwSize.Y : 0;
}

void ConsoleTerminal::EnsureBufferSize(int width, int height) {
    COORD const size{static_cast<SHORT>(std::max(width, BufferWidth())),
                     static_cast<SHORT>(std::max(height, BufferHeight()))};
    SetConsoleScreenBufferSize(output_, size);
}

bool ConsoleTerminal::ReadKey(KeyPress& key, int timeoutMs) {
    ULONGLONG const start = GetTickCount64();
    for (;;) {
        DWORD wait = INFINITE;
        if (timeoutMs >= 0) {
            ULONGLONG const passed = GetTickCount64() - start;
            if (passed >= static_cast<ULONGLONG>(timeoutMs))
                return false;
            wait = static_cast<DWORD>(timeoutMs - static_cast<int>(passed));
        }
        if (WaitForSingleObject(input_, wait) != WAIT_OBJECT_0)
            return false;
        INPUT_RECORD record;
        DWORD read = 0;
        if (!ReadConsoleInputA(input_, &record, 1, &read))
            return false;
        if (read == 0 || record.EventType != KEY_EVENT || !record.Event.KeyEvent.bKeyDown)
            continue;
        auto const& event = record.Event.KeyEvent;
        WORD const code = event.wVirtualKeyCode;
        if (code == VK_SHIFT || code == VK_CONTROL || code == VK_MENU || code == VK_CAPITAL)
            continue;
        key.key = code;
        key.state = KeyStateFromConsole(event.dwControlKeyState);
        key.ch = event.uChar.AsciiChar;
        return true;
    }
}

void ConsoleTerminal::Show(const VirtualScreen& screen, bool withCursor) {
    int const width = std::min(screen.Width(), BufferWidth());
    int const height = std::min(screen.Height(), BufferHeight());
    if (width <= 0 || height <= 0)
        return;
    std::vector<CHAR_INFO> cells(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            auto const cell = screen.At(x, y);
            auto& out = cells[static_cast<std::size_t>(y) * width + x];
            out.Char.AsciiChar = cell.ch;
            out.Attributes = cell.attr;
        }
    COORD const size{static_cast<SHORT>(width), static_cast<SHORT>(height)};
    SMALL_RECT region{0, 0, static_cast<SHORT>(width - 1), static_cast<SHORT>(height - 1)};
    WriteConsoleOutputA(output_, cells.data(), size, COORD{0, 0}, &region);
    if (withCursor) {
        CONSOLE_CURSOR_INFO cursor{savedCursorSize_, screen.CursorVisible() ? TRUE : FALSE};
        SetConsoleCursorInfo(output_, &cursor);
        if (screen.CursorVisible())
            SetConsoleCursorPosition(output_, COORD{static_cast<SHORT>(screen.CursorX()),
                                                    static_cast<SHORT>(screen.CursorY())});
    }
}

} // namespace ulvar::standin
