#pragma once

// A plug-in's settings as named 32-bit values: a record of its own whose fields start at their
// defaults, a table saying which value name fills which field, and a store that keeps the values
// between loads (the registry below HKEY_CURRENT_USER on Windows: kit/win/RegistryValues.h).

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace ulvar::kit {

class ValueStore {
public:
    virtual ~ValueStore() = default;
    // The stored value; nothing when it is missing or not a 32-bit value.
    virtual std::optional<std::uint32_t> Read(const std::string& name) const = 0;
    // False when the value could not be written.
    virtual bool Write(const std::string& name, std::uint32_t value) = 0;
};

// One value of a settings record: its name in the store and the field that holds it.
template <typename Record> struct SettingValue {
    const char* name;
    std::uint32_t Record::*field;
};

// The record with every value the store holds; a field whose value is missing keeps the
// record's default.
template <typename Record, std::size_t Count>
Record ReadSettings(const ValueStore& store, const SettingValue<Record> (&values)[Count]) {
    Record settings{};
    for (const auto& value : values) {
        if (const auto stored = store.Read(value.name))
            settings.*value.field = *stored;
    }
    return settings;
}

// Writes every value of the record; false when one could not be written (the others are written
// still).
template <typename Record, std::size_t Count>
bool WriteSettings(ValueStore& store, const SettingValue<Record> (&values)[Count],
                   const Record& settings) {
    bool written = true;
    for (const auto& value : values)
        written = store.Write(value.name, settings.*value.field) && written;
    return written;
}

// Values kept in memory: for plug-in logic under test, or a plug-in that keeps nothing between
// loads.
class MemoryValueStore : public ValueStore {
public:
    std::optional<std::uint32_t> Read(const std::string& name) const override;
    bool Write(const std::string& name, std::uint32_t value) override;

    const std::map<std::string, std::uint32_t>& Values() const { return values_; }
    // Every later write fails (a store that cannot be written).
    void RefuseWrites(bool refuse = true) { refuseWrites_ = refuse; }

private:
    std::map<std::string, std::uint32_t> values_;
    bool refuseWrites_ = false;
};

} // namespace ulvar::kit
