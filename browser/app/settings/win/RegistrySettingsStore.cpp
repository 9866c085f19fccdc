#include "browser/app/settings/win/RegistrySettingsStore.h"

#include "browser/catalogue/core/Error.h"

#include <cstring>

namespace cobwen {

namespace {

bool IsString(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

// A string value's text: its data without the terminating NUL.
std::string StringData(const std::string& data) {
    return !data.empty() && data.back() == '\0' ? data.substr(0, data.size() - 1) : data;
}

} // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, const std::string& keyPath)
    : key_(win32::CreateKey(root, keyPath, KEY_READ | KEY_WRITE)) {
    // A key the user may read but not change still gives its settings (and fails the writes).
    if (!key_.Valid())
        key_ = win32::OpenKey(root, keyPath, KEY_READ);
}

bool RegistrySettingsStore::SectionExists(std::string_view section) const {
    return key_.Valid() && win32::OpenKey(key_.Get(), std::string(section), KEY_READ).Valid();
}

std::optional<RegistrySettingsStore::RawValue>
RegistrySettingsStore::Query(std::string_view section, std::string_view key) const {
    if (!key_.Valid())
        return std::nullopt;
    const win32::RegistryKey sectionKey =
        win32::OpenKey(key_.Get(), std::string(section), KEY_READ);
    if (!sectionKey.Valid())
        return std::nullopt;
    const std::string name(key);
    RawValue value;
    DWORD size = 256;
    while (true) {
        value.data.resize(size);
        const LONG result = RegQueryValueExA(sectionKey.Get(), name.c_str(), nullptr, &value.type,
                                             reinterpret_cast<BYTE*>(value.data.data()), &size);
        if (result == ERROR_SUCCESS) {
            value.data.resize(size);
            return value;
        }
        if (result != ERROR_MORE_DATA)
            return std::nullopt;
    }
}

std::int32_t RegistrySettingsStore::ReadInteger(std::string_view section, std::string_view key,
                                                std::int32_t fallback) const {
    const auto value = Query(section, key);
    if (!value)
        return fallback;
    if (value->type == REG_DWORD && value->data.size() == sizeof(DWORD)) {
        std::int32_t number = 0;
        std::memcpy(&number, value->data.data(), sizeof number);
        return number;
    }
    if (IsString(value->type))
        return IntegerFromText(StringData(value->data), fallback);
    return fallback;
}

std::string RegistrySettingsStore::ReadText(std::string_view section, std::string_view key,
                                            std::string_view fallback) const {
    const auto value = Query(section, key);
    if (value && IsString(value->type))
        return StringData(value->data);
    if (value && value->type == REG_DWORD && value->data.size() == sizeof(DWORD)) {
        std::int32_t number = 0;
        std::memcpy(&number, value->data.data(), sizeof number);
        return std::to_string(number);
    }
    return std::string(fallback);
}

std::optional<std::string> RegistrySettingsStore::ReadBinary(std::string_view section,
                                                             std::string_view key) const {
    auto value = Query(section, key);
    if (!value || value->type != REG_BINARY)
        return std::nullopt;
    return std::move(value->data);
}

void RegistrySettingsStore::Set(std::string_view section, std::string_view key, DWORD type,
                                std::string_view data) {
    const std::string where = std::string(section) + "\\" + std::string(key);
    if (!key_.Valid())
        throw CobwenError("The settings key cannot be opened to write " + where);
    const win32::RegistryKey sectionKey =
        win32::CreateKey(key_.Get(), std::string(section), KEY_READ | KEY_WRITE);
    if (!sectionKey.Valid())
        throw CobwenError("The settings section cannot be created to write " + where);
    const std::string name(key);
    const LONG result =
        RegSetValueExA(sectionKey.Get(), name.c_str(), 0, type,
                       reinterpret_cast<const BYTE*>(data.data()), static_cast<DWORD>(data.size()));
    if (result != ERROR_SUCCESS)
        throw CobwenError("The setting cannot be written: " + where);
}

void RegistrySettingsStore::WriteInteger(std::string_view section, std::string_view key,
                                         std::int32_t value) {
    const auto existing = Query(section, key);
    if (existing && IsString(existing->type)) {
        WriteText(section, key, std::to_string(value));
        return;
    }
    char data[sizeof(DWORD)];
    std::memcpy(data, &value, sizeof data);
    Set(section, key, REG_DWORD, std::string_view(data, sizeof data));
}

void RegistrySettingsStore::WriteText(std::string_view section, std::string_view key,
                                      std::string_view value) {
    // With its terminating NUL; a NUL inside (a scrambled password may hold one) is kept too.
    std::string data(value);
    data += '\0';
    Set(section, key, REG_SZ, data);
}

void RegistrySettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                        std::string_view bytes) {
    Set(section, key, REG_BINARY, bytes);
}

} // namespace cobwen
