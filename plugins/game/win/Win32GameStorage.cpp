#include "plugins/game/win/Win32GameStorage.h"

#include "plugin-host/kit/win/RegistryValues.h"
#include "plugins/game/core/GameFile.h"
#include "win32/Handle.h"
#include "win32/Text.h"

#include <windows.h>

namespace blocksby::win {

std::optional<std::vector<std::uint8_t>> Win32GameStorage::ReadGameFile(const std::string& path) {
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

bool Win32GameStorage::WriteGameFile(const std::string& path,
                                     const std::vector<std::uint8_t>& bytes) {
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

std::unique_ptr<ulvar::kit::ValueStore> Win32GameStorage::Values(const std::string& keyPath) {
    return std::make_unique<ulvar::kit::win::RegistryValueStore>(keyPath);
}

} // namespace blocksby::win
