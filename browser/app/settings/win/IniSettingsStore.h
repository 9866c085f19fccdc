#pragma once

#include "browser/app/settings/core/SettingsStore.h"

#include <string>
#include <vector>

namespace cobwen {

// The settings in an INI file through the system's profile functions: every value is text
// (integers and booleans as decimal text), texts encoded where the format would lose something
// (EncodeIniText), opaque bytes as hexadecimal text. Names and texts go through the system's ANSI
// code page. The path is in the browser's code page, so a folder the ANSI code page cannot spell
// is still found.
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(std::string path);

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
    // The value as the file holds it; nothing when the key is missing.
    std::optional<std::string> Raw(std::string_view section, std::string_view key) const;
    void WriteRaw(std::string_view section, std::string_view key, const std::string& value);

    std::string path_;
    std::wstring widePath_;
};

} // namespace cobwen
