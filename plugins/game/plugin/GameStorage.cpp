#include "plugins/game/plugin/GameStorage.h"

#include "win32/Handle.h"
#include "win32/Registry.h"
#include "win32/Text.h"

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
    const win32::KernelHandle file(CreateFileW(win32::WideFromOem(path).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
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
    const win32::KernelHandle file(CreateFileW(win32::WideFromOem(path).c_str(), GENERIC_WRITE, 0,
                                               nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                               nullptr));
    if (!file.Valid()) {
        return false;
    }
    DWORD written = 0;
    return WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) &&
           written == bytes.size();
}

bool ReadAutoPause(const std::string& keyPath) {
    const win32::RegistryKey key =
        win32::OpenKey(HKEY_CURRENT_USER, win32::WideFromOem(keyPath), KEY_QUERY_VALUE);
    if (!key.Valid()) {
        return false;
    }
    return win32::ReadDword(key.Get(), L"Window") == AutoPauseMagic;
}

} // namespace blocksby
