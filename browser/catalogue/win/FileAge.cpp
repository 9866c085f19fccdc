#include "browser/catalogue/core/FileAge.h"

#include <windows.h>

namespace cobwen {

DateTime FileAge(const std::filesystem::path& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    // A folder is not a file: it has no age of its own here.
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return 0;
    FILETIME local{};
    SYSTEMTIME parts{};
    if (!FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) ||
        !FileTimeToSystemTime(&local, &parts))
        return 0;
    const auto date = EncodeDate(parts.wYear, parts.wMonth, parts.wDay);
    if (!date)
        return 0;
    return *date + EncodeTime(parts.wHour, parts.wMinute, parts.wSecond);
}

} // namespace cobwen
