#include "plugins/startup/win/ConsoleWidth.h"

#include "win32/Handle.h"

namespace launchet::win {

int ConsoleWidth() {
    win32::KernelHandle console(CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!console.Valid() || !GetConsoleScreenBufferInfo(console.Get(), &info))
        return 79;
    return info.srWindow.Right - info.srWindow.Left;
}

} // namespace launchet::win
