#include "browser/catalogue/win/VersionInfo.h"

#include "win32/Text.h"

#include <cstring>
#include <cwchar>
#include <iterator>
#include <vector>
#include <windows.h>

namespace cobwen {

namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

bool FindString(const std::wstring& fileName, const std::string& key, std::string& value) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<char> data(size);
    if (!GetFileVersionInfoW(fileName.c_str(), 0, size, data.data()))
        return false;

    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation", &block, &length) ||
        length < sizeof(Translation))
        return false;
    Translation first{};
    std::memcpy(&first, block, sizeof first);

    // Language, then code page, four upper-case hexadecimal digits each: "041904E3".
    wchar_t table[9] = {};
    std::swprintf(table, std::size(table), L"%04X%04X", first.language, first.codePage);
    const std::wstring path = std::wstring(L"\\StringFileInfo\\") + table + L"\\" +
                              win32::ToWide(key, win32::AnsiCodePage);
    if (!VerQueryValueW(data.data(), path.c_str(), &block, &length))
        return false;
    const wchar_t* text = static_cast<const wchar_t*>(block);
    // The length, in characters, may or may not count the terminating null.
    value =
        text ? win32::FromWide(std::wstring_view(text, wcsnlen(text, length)), win32::AnsiCodePage)
             : std::string();
    return true;
}

} // namespace

bool VersionInfoString(const std::wstring& fileName, const std::string& key, std::string& value) {
    value.clear();
    return FindString(fileName, key, value);
}

} // namespace cobwen
