#include "browser/catalogue/win/FileInfo.h"

#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FileAge.h"
#include "win32/Handle.h"

#include <windows.h>

namespace cobwen {

std::int32_t FileSizeOf(const std::string& path) {
    WIN32_FIND_DATAA found{};
    win32::FindHandle search(FindFirstFileA(path.c_str(), &found));
    if (!search.Valid())
        return 0;
    do {
        // Folders (".", ".." and real ones) never count; every file attribute does.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return static_cast<std::int32_t>(found.nFileSizeLow);
    } while (FindNextFileA(search.Get(), &found));
    return 0;
}

std::string FileDateText(const std::string& path, const TextLocale& locale) {
    // Others may be writing the file (a download in progress); only a file that refuses readers
    // gets no date.
    const win32::KernelHandle file(CreateFileA(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return "?";
    return FormatFileDate(FileAge(path), locale);
}

std::string TempFolder() {
    constexpr DWORD Capacity = 1024;
    char buffer[Capacity + 1] = {};
    const DWORD length = GetTempPathA(Capacity, buffer);
    if (length == 0 || length > Capacity)
        return {};
    return std::string(buffer, length);
}

} // namespace cobwen
