#include "app/settings/win/RegistryKey.h"

namespace cobwen {

RegistryKey RegistryKey::Open(HKEY parent, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY parent, const std::string& path, REGSAM access) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
        return RegistryKey();
    return RegistryKey(key);
}

bool DeleteKeyIfEmpty(HKEY parent, const std::string& path) {
    {
        const RegistryKey key = RegistryKey::Open(parent, path, KEY_READ);
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

} // namespace cobwen
