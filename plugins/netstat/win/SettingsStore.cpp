#include "SettingsStore.h"

#include "WinHandles.h"

namespace sockwell::win {

namespace {

void ReadValue(HKEY key, const char* name, std::uint32_t& value) {
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) ==
            ERROR_SUCCESS &&
        type == REG_DWORD && size == sizeof data)
        value = data;
}

bool WriteValue(HKEY key, const char* name, std::uint32_t value) {
    DWORD const data = value;
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}

} // namespace

Settings ReadSettings() {
    Settings settings;
    HKEY opened = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &opened) != ERROR_SUCCESS)
        return settings;
    RegistryKey const key(opened);
    ReadValue(key.Get(), ResolveValue, settings.resolve);
    ReadValue(key.Get(), ResolvePortsValue, settings.resolvePorts);
    ReadValue(key.Get(), AutoRefreshValue, settings.autoRefresh);
    return settings;
}

bool WriteSettings(const Settings& settings) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &created, nullptr) != ERROR_SUCCESS)
        return false;
    RegistryKey const key(created);
    bool written = WriteValue(key.Get(), ResolveValue, settings.resolve);
    written = WriteValue(key.Get(), ResolvePortsValue, settings.resolvePorts) && written;
    written = WriteValue(key.Get(), AutoRefreshValue, settings.autoRefresh) && written;
    return written;
}

} // namespace sockwell::win
