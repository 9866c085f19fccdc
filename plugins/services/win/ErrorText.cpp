#include "plugins/services/win/ErrorText.h"

#include "win32/Handle.h"
#include "win32/SystemError.h"
#include "win32/Text.h"

#include <windows.h>

namespace sentrel::win {

namespace {

std::string NetworkMessageText(unsigned long code) {
    const win32::ModuleHandle library(
        LoadLibraryExA("netmsg.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    if (!library.Valid())
        return {};
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS |
            FORMAT_MESSAGE_ALLOCATE_BUFFER,
        library.Get(), code, LANG_USER_DEFAULT, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length > 0 && buffer ? std::string(buffer, length) : std::string();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

std::string ErrorText(unsigned long code) {
    std::string text;
    if (code >= 2100 && code <= 2999)
        text = NetworkMessageText(code);
    if (text.empty())
        text = win32::SystemMessageText(code);
    return win32::OemFromAnsi(text);
}

} // namespace sentrel::win
