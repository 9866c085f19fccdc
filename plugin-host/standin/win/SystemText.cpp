#include "standin/win/SystemText.h"

#include <windows.h>

namespace ulvar::standin {

namespace {

std::string Convert(std::string_view text, UINT from, UINT to) {
    if (text.empty())
        return {};
    int const size = static_cast<int>(text.size());
    int const wide = MultiByteToWideChar(from, 0, text.data(), size, nullptr, 0);
    std::wstring buffer(static_cast<std::size_t>(wide), L'\0');
    MultiByteToWideChar(from, 0, text.data(), size, buffer.data(), wide);
    int const narrow =
        WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(static_cast<std::size_t>(narrow), '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, result.data(), narrow, nullptr, nullptr);
    return result;
}

} // namespace

std::string SystemErrorText(unsigned long code) {
    char* buffer = nullptr;
    DWORD const length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length && buffer ? std::string(buffer, length) : std::string();
    if (buffer)
        LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text.empty() ? "Error " + std::to_string(code) : text;
}

std::string AnsiToOemText(std::string_view text) {
    return Convert(text, CP_ACP, CP_OEMCP);
}

std::string OemToAnsiText(std::string_view text) {
    return Convert(text, CP_OEMCP, CP_ACP);
}

} // namespace ulvar::standin
