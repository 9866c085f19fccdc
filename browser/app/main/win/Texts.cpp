#include "browser/app/main/win/Texts.h"

#include <windows.h>

namespace cobwen {

std::wstring MessageText(unsigned id) {
    const wchar_t* text = nullptr;
    // With a zero length LoadStringW hands out the resource itself, which is not terminated.
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<std::size_t>(length))
                              : std::wstring();
}

std::wstring FormatText(std::wstring_view format, std::initializer_list<std::wstring_view> args) {
    std::wstring result;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == L'%' && i + 1 < format.size() && format[i + 1] == L's' &&
            next != args.end()) {
            result += *next++;
            ++i;
        } else {
            result += format[i];
        }
    }
    return result;
}

} // namespace cobwen
