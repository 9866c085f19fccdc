#include "plugins/netstat/win/SettingsStore.h"

#include "win32/Registry.h"

namespace sockwell::win {

namespace {

void ReadValue(HKEY key, const char* name, std::uint32_t& value) {
    if (const auto stored = win32::ReadDword(key, name))
        value = *stored;
}

} // namespace

Settings ReadSettings() {
    Settings settings;
    const win32::RegistryKey key = win32::OpenKey(HKEY_CURRENT_USER, SettingsKey, KEY_READ);
    if (!key.Valid())
        return settings;
    ReadValue(key.Get(), ResolveValue, settings.resolve);
    ReadValue(key.Get(), ResolvePortsValue, settings.resolvePorts);
    ReadValue(key.Get(), AutoRefreshValue, settings.autoRefresh);
    return settings;
}

bool WriteSettings(const Settings& settings) {
    const win32::RegistryKey key = win32::CreateKey(HKEY_CURRENT_USER, SettingsKey, KEY_ALL_ACCESS);
    if (!key.Valid())
        return false;
    bool written = win32::WriteDword(key.Get(), ResolveValue, settings.resolve);
    written = win32::WriteDword(key.Get(), ResolvePortsValue, settings.resolvePorts) && written;
    written = win32::WriteDword(key.Get(), AutoRefreshValue, settings.autoRefresh) && written;
    return written;
}

} // namespace sockwell::win
