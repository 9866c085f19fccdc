#pragma once

#include "browser/app/settings/core/SettingsStore.h"

#include <memory>
#include <string>

namespace cobwen {

// The two places the settings can live: the program's registry key and the INI file beside the
// program. Loading and saving decide between them.
class SettingsStores {
public:
    virtual ~SettingsStores() = default;

    // The program's registry key, created when it is missing. When it cannot be opened the store
    // reads nothing but fallbacks and fails every write.
    virtual std::unique_ptr<SettingsStore> OpenRegistry() = 0;
    virtual std::unique_ptr<SettingsStore> OpenIni() = 0;
    virtual bool IniFileExists() const = 0;
    // Deletes the program's registry key, then the vendor's key above it, each only when it holds
    // neither sub-keys nor values. Never fails visibly.
    virtual void DeleteRegistryKeys() = 0;
    // The INI file's path (code page 1251); the failure messages name it in both modes.
    virtual const std::string& IniPath() const = 0;

    std::unique_ptr<SettingsStore> Open(bool saveToIni) {
        return saveToIni ? OpenIni() : OpenRegistry();
    }
};

} // namespace cobwen
