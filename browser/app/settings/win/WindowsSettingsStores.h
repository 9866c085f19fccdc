#pragma once

#include "browser/app/settings/core/SettingsStores.h"

#include <string>

namespace cobwen {

// The program's registry key below HKEY_CURRENT_USER; the key above it is the vendor's.
inline constexpr char ProgramKeyPath[] = "Software\\Pellix\\CobwenGUI";

// The settings' places on this machine: a registry key below HKEY_CURRENT_USER and the INI file.
class WindowsSettingsStores final : public SettingsStores {
public:
    // `iniPath` is the INI file beside the program (IniPathForProgram, in the browser's code
    // page); `keyPath` the program's key below HKEY_CURRENT_USER, whose parent is taken as the
    // vendor's key.
    explicit WindowsSettingsStores(std::string iniPath, std::string keyPath = ProgramKeyPath);

    std::unique_ptr<SettingsStore> OpenRegistry() override;
    std::unique_ptr<SettingsStore> OpenIni() override;
    bool IniFileExists() const override;
    void DeleteRegistryKeys() override;
    const std::string& IniPath() const override { return iniPath_; }

private:
    std::string iniPath_;
    std::string keyPath_;
};

} // namespace cobwen
