#pragma once

#include "browser/app/settings/core/SettingsStore.h"
#include "win32/Registry.h"

#include <string>

namespace cobwen {

// The settings in a registry key: a section is a sub-key, booleans and texts are strings
// (REG_SZ), integers 32-bit numbers (REG_DWORD), except that an integer already kept as a string
// stays a string (its decimal text). Opaque bytes are REG_BINARY. Texts go through the system's
// ANSI code page, as the "A" registry functions convert them.
class RegistrySettingsStore final : public SettingsStore {
public:
    // The key `keyPath` below `root`, created when it is missing, opened for reading only when
    // it cannot be opened for writing. When it cannot be opened at all, every read gives its
    // fallback and every write fails.
    RegistrySettingsStore(HKEY root, const std::string& keyPath);

    bool SectionExists(std::string_view section) const override;
    std::int32_t ReadInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const override;
    std::string ReadText(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
    std::optional<std::string> ReadBinary(std::string_view section,
                                          std::string_view key) const override;
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value) override;
    void WriteText(std::string_view section, std::string_view key, std::string_view value) override;
    void WriteBinary(std::string_view section, std::string_view key,
                     std::string_view bytes) override;

private:
    struct RawValue {
        DWORD type = REG_NONE;
        std::string data;
    };

    std::optional<RawValue> Query(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, DWORD type, std::string_view data);

    win32::RegistryKey key_;
};

} // namespace cobwen
