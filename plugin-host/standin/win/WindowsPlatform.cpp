#include "plugin-host/standin/win/WindowsPlatform.h"

#include "plugin-host/standin/win/SystemText.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <cstring>

#include <windows.h>

namespace ulvar::standin {

unsigned long WindowsPlatform::LastError() const {
    return GetLastError();
}

void WindowsPlatform::SetLastError(unsigned long code) {
    ::SetLastError(code);
}

std::string WindowsPlatform::ErrorText(unsigned long code) const {
    return win32::OemFromAnsi(SystemErrorText(code));
}

std::intptr_t WindowsPlatform::ConsoleWindow() const {
    return reinterpret_cast<std::intptr_t>(GetConsoleWindow());
}

std::string WindowsPlatform::InterfacePath(const std::string& systemPath) const {
    return win32::OemFromAnsi(systemPath);
}

std::string WindowsPlatform::CurrentFolder() const {
    char folder[MAX_PATH];
    DWORD const length = GetCurrentDirectoryA(MAX_PATH, folder);
    return length > 0 && length < MAX_PATH ? std::string(folder, length) : std::string();
}

bool WindowsPlatform::SetCurrentFolder(const std::string& folder) {
    return SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

void WindowsPlatform::SetOemFileFunctions(bool oem) {
    if (oem)
        SetFileApisToOEM();
    else
        SetFileApisToANSI();
}

bool WindowsPlatform::ListFolder(const std::string& folder,
                                 std::vector<FolderEntry>& entries) const {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\' && pattern.back() != '/')
        pattern += '\\';
    pattern += '*';
    WIN32_FIND_DATAA data{};
    win32::FindHandle const find(FindFirstFileA(pattern.c_str(), &data));
    if (!find.Valid())
        return GetLastError() == ERROR_FILE_NOT_FOUND;
    do {
        if (std::strcmp(data.cFileName, ".") == 0 || std::strcmp(data.cFileName, "..") == 0)
            continue;
        FolderEntry entry;
        entry.name = data.cFileName;
        entry.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entry.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        entries.push_back(std::move(entry));
    } while (FindNextFileA(find.Get(), &data));
    return true;
}

bool WindowsPlatform::MakeFolder(const std::string& folder) {
    return CreateDirectoryA(folder.c_str(), nullptr) != FALSE;
}

bool WindowsPlatform::RemoveFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

HostPlatform& SystemPlatform() {
    static WindowsPlatform platform;
    return platform;
}

} // namespace ulvar::standin
