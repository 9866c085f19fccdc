#include "GameStorage.h"

#include "OemText.h"
#include "WinHandles.h"

#include <windows.h>

namespace blocksby {

std::string GameFilePath(const std::string& modulePath) {
    const auto dot = modulePath.rfind('.');
    if (dot == std::string::npos) {
        return modulePath + ".gam";
    }
    return modulePath.substr(0, dot + 1) + "gam";
}

std::optional<std::vector<std::uint8_t>> ReadGameFile(const std::string& path) {
    FileHandle file(CreateFileW(WideFromOem(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(GameFileSize);
    std::size_t total = 0;
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.Get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total),
                      &read, nullptr) ||
            read == 0) {
            break;
        }
        total += read;
    }
    bytes.resize(total);
    return bytes;
}

bool WriteGameFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    FileHandle file(CreateFileW(WideFromOem(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool ReadAutoPause(const std::string& keyPath) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, WideFromOem(keyPath).c_str(), 0, KEY_QUERY_VALUE,
                      &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegistryKey key(opened);
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExW(key.Get(), L"Window", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD) {
        return false;
    }
    return value == AutoPauseMagic;
}

} // namespace blocksby
