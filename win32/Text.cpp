#include "win32/Text.h"

#include <windows.h>

namespace win32 {

static_assert(AnsiCodePage == CP_ACP && OemCodePage == CP_OEMCP);

std::wstring ToWide(std::string_view text, unsigned codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(std::wstring_view text, unsigned codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return {};
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

std::string Recode(std::string_view text, unsigned fromCodePage, unsigned toCodePage) {
    return FromWide(ToWide(text, fromCodePage), toCodePage);
}

} // namespace win32
