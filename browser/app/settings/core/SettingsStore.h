#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// One place the browser's settings are kept: the registry key or the INI file. A section is a
// registry sub-key or an INI section ("Window\FontList" is a sub-key of a sub-key); a key is a
// value in it. Texts are code page 1251.
//
// Reading never fails: a missing key, or one that cannot be read as the kind asked for, gives the
// fallback. Writing throws CobwenError when the value cannot be stored.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual bool SectionExists(std::string_view section) const = 0;

    // A 32-bit number, also when it is kept as decimal text.
    virtual std::int32_t ReadInteger(std::string_view section, std::string_view key,
                                     std::int32_t fallback) const = 0;
    virtual std::string ReadText(std::string_view section, std::string_view key,
                                 std::string_view fallback) const = 0;
    // Opaque bytes; nothing when the key is missing.
    virtual std::optional<std::string> ReadBinary(std::string_view section,
                                                  std::string_view key) const = 0;

    virtual void WriteInteger(std::string_view section, std::string_view key,
                              std::int32_t value) = 0;
    virtual void WriteText(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
    virtual void WriteBinary(std::string_view section, std::string_view key,
                             std::string_view bytes) = 0;

    // A boolean is kept as the text "1" or "0" and read as an integer: true when not 0.
    bool ReadBool(std::string_view section, std::string_view key, bool fallback) const {
        return ReadInteger(section, key, fallback ? 1 : 0) != 0;
    }
    void WriteBool(std::string_view section, std::string_view key, bool value) {
        WriteText(section, key, value ? "1" : "0");
    }
};

// An integer kept as text: decimal, leading blanks and a sign allowed; the fallback otherwise.
std::int32_t IntegerFromText(std::string_view text, std::int32_t fallback);

} // namespace cobwen
