#include "browser/app/settings/win/WindowsSettingsStores.h"

#include "browser/app/settings/win/IniSettingsStore.h"
#include "browser/app/settings/win/RegistrySettingsStore.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Registry.h"
#include "win32/Text.h"

#include <windows.h>

namespace cobwen {

WindowsSettingsStores::WindowsSettingsStores(std::string iniPath, std::string keyPath)
    : iniPath_(std::move(iniPath)), keyPath_(std::move(keyPath)) {
}

std::unique_ptr<SettingsStore> WindowsSettingsStores::OpenRegistry() {
    return std::make_unique<RegistrySettingsStore>(HKEY_CURRENT_USER, keyPath_);
}

std::unique_ptr<SettingsStore> WindowsSettingsStores::OpenIni() {
    return std::make_unique<IniSettingsStore>(iniPath_);
}

bool WindowsSettingsStores::IniFileExists() const {
    const DWORD attributes = GetFileAttributesW(win32::ToWide(iniPath_, BrowserCodePage).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void WindowsSettingsStores::DeleteRegistryKeys() {
    win32::DeleteKeyIfEmpty(HKEY_CURRENT_USER, keyPath_);
    const std::size_t parentEnd = keyPath_.rfind('\\');
    if (parentEnd != std::string::npos && parentEnd > 0)
        win32::DeleteKeyIfEmpty(HKEY_CURRENT_USER, keyPath_.substr(0, parentEnd));
}

} // namespace cobwen
