#include "plugin-host/kit/win/RegistryValues.h"

#include "win32/Registry.h"
#include "win32/Text.h"

namespace ulvar::kit::win {

std::optional<std::uint32_t> RegistryValueStore::Read(const std::string& name) const {
    const win32::RegistryKey key =
        win32::OpenKey(HKEY_CURRENT_USER, win32::WideFromOem(keyPath_), KEY_QUERY_VALUE);
    if (!key.Valid())
        return std::nullopt;
    return win32::ReadDword(key.Get(), name.c_str());
}

bool RegistryValueStore::Write(const std::string& name, std::uint32_t value) {
    const win32::RegistryKey key =
        win32::CreateKey(HKEY_CURRENT_USER, win32::WideFromOem(keyPath_), KEY_SET_VALUE);
    return key.Valid() && win32::WriteDword(key.Get(), name.c_str(), value);
}

} // namespace ulvar::kit::win
