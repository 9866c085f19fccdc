#pragma once

#include "browser/app/settings/core/SettingsStores.h"

#include <map>
#include <string>

namespace cobwen::test {

// Settings kept in memory, typed like registry values, with a write that can be made to fail.
class MemorySettingsStore final : public SettingsStore {
public:
    struct Value {
        enum class Kind { Integer, Text, Binary } kind = Kind::Text;
        std::int32_t number = 0;
        std::string text; // text and binary values

        friend bool operator==(const Value&, const Value&) = default;
    };
    using Section = std::map<std::string, Value>;

    std::map<std::string, Section> sections;
    // Writes of this key throw while failuresLeft is above 0, each taking one off.
    std::string failingKey;
    int failuresLeft = 0;

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

    // The stored value, or nullptr.
    const Value* Find(std::string_view section, std::string_view key) const;
    void PutText(const std::string& section, const std::string& key, const std::string& text) {
        sections[section][key] = Value{Value::Kind::Text, 0, text};
    }
    void PutInteger(const std::string& section, const std::string& key, std::int32_t number) {
        sections[section][key] = Value{Value::Kind::Integer, number, {}};
    }

private:
    void Put(std::string_view section, std::string_view key, Value value);
};

// A registry and an INI file in memory. The registry "key" exists from the first opening until a
// deletion finds it empty.
class MemorySettingsStores final : public SettingsStores {
public:
    MemorySettingsStore registry;
    MemorySettingsStore ini;
    bool iniFileExists = false;
    bool registryKeyExists = false;
    int registryDeletions = 0;
    std::string iniPath = "C:\\Program Files\\Cobwen\\cobwen.ini";

    std::unique_ptr<SettingsStore> OpenRegistry() override;
    std::unique_ptr<SettingsStore> OpenIni() override;
    bool IniFileExists() const override { return iniFileExists; }
    void DeleteRegistryKeys() override;
    const std::string& IniPath() const override { return iniPath; }
};

} // namespace cobwen::test
