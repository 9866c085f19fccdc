#include "browser/catalogue/win/FileInfo.h"

#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/FileAge.h"
#include "win32/Handle.h"

#include <windows.h>

namespace cobwen {

std::int32_t FileSizeOf(const std::filesystem::path& path) {
    WIN32_FIND_DATAW found{};
    win32::FindHandle search(FindFirstFileW(path.c_str(), &found));
    if (!search.Valid())
        return 0;
    do {
        // Folders (".", ".." and real ones) never count; every file attribute does.
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            return static_cast<std::int32_t>(found.nFileSizeLow);
    } while (FindNextFileW(search.Get(), &found));
    return 0;
}

std::string FileDateText(const std::filesystem::path& path, const TextLocale& locale) {
    // Others may be writing the file (a download in progress); only a file that refuses readers
    // gets no date.
    const win32::KernelHandle file(CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return "?";
    return FormatFileDate(FileAge(path), locale);
}

std::filesystem::path TempFolder() {
    constexpr DWORD Capacity = 1024;
    wchar_t buffer[Capacity + 1] = {};
    const DWORD length = GetTempPathW(Capacity, buffer);
    if (length == 0 || length > Capacity)
        return {};
    return std::wstring(buffer, length);
}

} // namespace cobwen
