#include "browser/transfer/win/WinInetText.h"

#include <windows.h>

namespace cobwen {

std::string WinInetMessage(unsigned long code) {
    char buffer[256];
    const DWORD flags = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const HMODULE wininet = GetModuleHandleA("wininet.dll");
    DWORD length = 0;
    if (wininet != nullptr)
        length = FormatMessageA(flags | FORMAT_MESSAGE_FROM_HMODULE, wininet, code,
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), buffer, sizeof buffer,
                                nullptr);
    if (length == 0)
        length = FormatMessageA(flags, nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL),
                                buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

} // namespace cobwen
