#include "browser/app/settings/win/IniSettingsStore.h"

#include "browser/app/settings/core/IniText.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/Error.h"
#include "win32/Text.h"

#include <algorithm>
#include <windows.h>

namespace cobwen {

namespace {

// The file's names and values are the ANSI code page's, as the 8-bit profile functions would
// give them; the wide functions are used for the path's sake.
std::wstring Wide(std::string_view ansi) {
    return win32::ToWide(ansi, win32::AnsiCodePage);
}

std::string Ansi(std::wstring_view wide) {
    return win32::FromWide(wide, win32::AnsiCodePage);
}

// The profile functions give a list of names as texts each ending in NUL, the list ending in a
// further NUL; they truncate to the buffer and say so by returning its size less two.
template <typename Read> std::vector<std::string> ReadNameList(Read read) {
    std::wstring buffer(1024, L'\0');
    while (true) {
        const DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length + 2 < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < buffer.size()) {
        const std::size_t end = std::min(buffer.find(L'\0', start), buffer.size());
        if (end > start)
            names.push_back(Ansi(std::wstring_view(buffer).substr(start, end - start)));
        start = end + 1;
    }
    return names;
}

// Section and key names are ASCII; the profile functions match them ignoring case.
char AsciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [name](const std::string& candidate) { return SameName(candidate, name); });
}

} // namespace

IniSettingsStore::IniSettingsStore(std::string path)
    : path_(std::move(path)), widePath_(win32::ToWide(path_, BrowserCodePage)) {
}

bool IniSettingsStore::SectionExists(std::string_view section) const {
    const auto sections = ReadNameList([this](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, widePath_.c_str());
    });
    return Contains(sections, section);
}

std::optional<std::string> IniSettingsStore::Raw(std::string_view section,
                                                 std::string_view key) const {
    const std::wstring sectionName = Wide(section);
    const auto keys = ReadNameList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(sectionName.c_str(), nullptr, L"", buffer, size,
                                        widePath_.c_str());
    });
    if (!Contains(keys, key))
        return std::nullopt;
    const std::wstring keyName = Wide(key);
    std::wstring buffer(256, L'\0');
    while (true) {
        // A value that fills the buffer comes back truncated, its length the buffer's size less
        // one.
        const DWORD length =
            GetPrivateProfileStringW(sectionName.c_str(), keyName.c_str(), L"", buffer.data(),
                                     static_cast<DWORD>(buffer.size()), widePath_.c_str());
        if (length + 1 < buffer.size()) {
            buffer.resize(length);
            return Ansi(buffer);
        }
        buffer.assign(buffer.size() * 2, L'\0');
    }
}

std::int32_t IniSettingsStore::ReadInteger(std::string_view section, std::string_view key,
                                           std::int32_t fallback) const {
    const auto value = Raw(section, key);
    return value ? IntegerFromText(*value, fallback) : fallback;
}

std::string IniSettingsStore::ReadText(std::string_view section, std::string_view key,
                                       std::string_view fallback) const {
    const auto value = Raw(section, key);
    return value ? DecodeIniText(*value) : std::string(fallback);
}

std::optional<std::string> IniSettingsStore::ReadBinary(std::string_view section,
                                                        std::string_view key) const {
    const auto value = Raw(section, key);
    return value ? DecodeHex(*value) : std::nullopt;
}

void IniSettingsStore::WriteRaw(std::string_view section, std::string_view key,
                                const std::string& value) {
    if (!WritePrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), Wide(value).c_str(),
                                    widePath_.c_str()))
        throw CobwenError("The setting " + std::string(section) + "\\" + std::string(key) +
                          " cannot be written to " + path_);
}

void IniSettingsStore::WriteInteger(std::string_view section, std::string_view key,
                                    std::int32_t value) {
    WriteRaw(section, key, std::to_string(value));
}

void IniSettingsStore::WriteText(std::string_view section, std::string_view key,
                                 std::string_view value) {
    WriteRaw(section, key, EncodeIniText(value));
}

void IniSettingsStore::WriteBinary(std::string_view section, std::string_view key,
                                   std::string_view bytes) {
    WriteRaw(section, key, EncodeHex(bytes));
}

} // namespace cobwen
