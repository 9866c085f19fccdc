#include "browser/catalogue/win/VersionInfo.h"

#include <cstdio>
#include <cstring>
#include <vector>
#include <windows.h>

namespace cobwen {

namespace {

struct Translation {
    WORD language;
    WORD codePage;
};

bool FindString(const std::string& fileName, const std::string& key, std::string& value) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName.c_str(), &ignored);
    if (size == 0)
        return false;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(fileName.c_str(), 0, size, data.data()))
        return false;

    void* block = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &block, &length) ||
        length < sizeof(Translation))
        return false;
    Translation first{};
    std::memcpy(&first, block, sizeof first);

    // Language, then code page, four upper-case hexadecimal digits each: "041904E3".
    char table[9] = {};
    std::snprintf(table, sizeof table, "%04X%04X", first.language, first.codePage);
    const std::string path = std::string("\\StringFileInfo\\") + table + "\\" + key;
    if (!VerQueryValueA(data.data(), path.c_str(), &block, &length))
        return false;
    const char* text = static_cast<const char*>(block);
    // The length may or may not count the terminating null.
    value.assign(text, text ? strnlen(text, length) : 0);
    return true;
}

} // namespace

bool VersionInfoString(const std::string& fileName, const std::string& key, std::string& value) {
    value.clear();
    return FindString(fileName, key, value);
}

} // namespace cobwen
