#include "win32/Registry.h"

namespace win32 {

RegistryKey OpenKey(HKEY parent, const std::string& path, REGSAM access) {
    RegistryKey key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, access, key.Receive()) != ERROR_SUCCESS)
        key.Release();
    return key;
}

RegistryKey OpenKey(HKEY parent, const std::wstring& path, REGSAM access) {
    RegistryKey key;
    if (RegOpenKeyExW(parent, path.c_str(), 0, access, key.Receive()) != ERROR_SUCCESS)
        key.Release();
    return key;
}

RegistryKey CreateKey(HKEY parent, const std::string& path, REGSAM access) {
    RegistryKey key;
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        key.Release();
    return key;
}

RegistryKey CreateKey(HKEY parent, const std::wstring& path, REGSAM access) {
    RegistryKey key;
    if (RegCreateKeyExW(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        key.Release();
    return key;
}

bool DeleteKeyIfEmpty(HKEY parent, const std::string& path) {
    {
        const RegistryKey key = OpenKey(parent, path, KEY_READ);
        if (!key.Valid())
            return false;
        DWORD subKeys = 0;
        DWORD values = 0;
        if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                             &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            subKeys != 0 || values != 0)
            return false;
    }
    return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

namespace {

std::optional<std::uint32_t> Checked(LSTATUS status, DWORD type, DWORD size, DWORD data) {
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data)
        return std::nullopt;
    return data;
}

} // namespace

std::optional<std::uint32_t> ReadDword(HKEY key, const char* name) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LSTATUS status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    return Checked(status, type, size, data);
}

std::optional<std::uint32_t> ReadDword(HKEY key, const wchar_t* name) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LSTATUS status =
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    return Checked(status, type, size, data);
}

bool WriteDword(HKEY key, const char* name, std::uint32_t value) {
    const DWORD data = value;
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

} // namespace win32
