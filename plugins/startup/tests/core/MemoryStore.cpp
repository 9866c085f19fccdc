#include "plugins/startup/tests/core/MemoryStore.h"

#include <algorithm>

namespace launchet::test {

namespace {

constexpr unsigned char AnsiCapitalA = 0xC0, AnsiCapitalYa = 0xDF, OemCapitalA = 0x80;

std::string IniKey(const std::string& file, const std::string& section, const std::string& key) {
    return file + '|' + section + '|' + key;
}

} // namespace

std::string CyrillicCodePages::AnsiFromOem(std::string_view oem) const {
    std::string text(oem);
    for (char& c : text) {
        auto const byte = static_cast<unsigned char>(c);
        if (byte >= OemCapitalA && byte <= OemCapitalA + (AnsiCapitalYa - AnsiCapitalA))
            c = static_cast<char>(byte - OemCapitalA + AnsiCapitalA);
    }
    return text;
}

std::string CyrillicCodePages::OemFromAnsi(std::string_view ansi) const {
    std::string text(ansi);
    for (char& c : text) {
        auto const byte = static_cast<unsigned char>(c);
        if (byte >= AnsiCapitalA && byte <= AnsiCapitalYa)
            c = static_cast<char>(byte - AnsiCapitalA + OemCapitalA);
    }
    return text;
}

void MemoryStore::Set(RootKey root, const std::string& key, const std::string& name,
                      std::uint32_t type, const std::string& bytes) {
    auto& values = keys[{root, key}];
    for (auto& value : values)
        if (value.name == name) {
            value.value = {type, bytes};
            return;
        }
    values.push_back({name, {type, bytes}});
}

const NamedValue* MemoryStore::Find(RootKey root, const std::string& key,
                                    const std::string& name) const {
    auto const found = keys.find({root, key});
    if (found == keys.end())
        return nullptr;
    for (auto const& value : found->second)
        if (value.name == name)
            return &value;
    return nullptr;
}

std::optional<StoredValue> MemoryStore::ReadValue(RootKey root, const std::string& key,
                                                  const std::string& name) const {
    if (auto const* value = Find(root, key, name))
        return value->value;
    return std::nullopt;
}

std::vector<NamedValue> MemoryStore::Values(RootKey root, const std::string& key) const {
    auto const found = keys.find({root, key});
    return found == keys.end() ? std::vector<NamedValue>{} : found->second;
}

bool MemoryStore::HasValue(RootKey root, const std::string& key, const std::string& name) const {
    return Find(root, key, name) != nullptr;
}

unsigned long MemoryStore::WriteValue(RootKey root, const std::string& key, const std::string& name,
                                      const StoredValue& value) {
    if (failWrites)
        return failWrites;
    Set(root, key, name, value.type, value.bytes);
    return 0;
}

unsigned long MemoryStore::DeleteValue(RootKey root, const std::string& key,
                                       const std::string& name) {
    if (failWrites)
        return failWrites;
    auto const found = keys.find({root, key});
    if (found == keys.end())
        return ErrorFileNotFound;
    auto& values = found->second;
    auto const value = std::find_if(values.begin(), values.end(),
                                    [&name](const NamedValue& v) { return v.name == name; });
    if (value == values.end())
        return ErrorFileNotFound;
    values.erase(value);
    return 0;
}

bool MemoryStore::FileExists(const std::string& path) const {
    return files.count(path) != 0;
}

std::vector<FolderEntry> MemoryStore::ListFolder(const std::string& folder) const {
    std::vector<FolderEntry> entries;
    for (auto const& [path, entry] : files)
        if (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path.find('\\', folder.size()) == std::string::npos)
            entries.push_back(entry);
    return entries;
}

std::optional<ShortcutTarget> MemoryStore::ResolveShortcut(const std::string& file) const {
    auto const found = shortcuts.find(file);
    if (found == shortcuts.end())
        return std::nullopt;
    return found->second;
}

unsigned long MemoryStore::CreateShortcut(const std::string& file, const std::string& target,
                                          const std::string& arguments) {
    if (failWrites)
        return failWrites;
    std::size_t const slash = file.rfind('\\');
    files[file] = {slash == std::string::npos ? file : file.substr(slash + 1), false};
    shortcuts[file] = {target, arguments};
    return 0;
}

unsigned long MemoryStore::RemoveFile(const std::string& path) {
    if (failWrites)
        return failWrites;
    if (files.erase(path) == 0)
        return ErrorFileNotFound;
    shortcuts.erase(path);
    return 0;
}

std::string MemoryStore::ReadIni(const std::string& file, const std::string& section,
                                 const std::string& key) const {
    auto const found = ini.find(IniKey(file, section, key));
    return found == ini.end() ? std::string() : found->second;
}

unsigned long MemoryStore::WriteIni(const std::string& file, const std::string& section,
                                    const std::string& key,
                                    const std::optional<std::string>& line) {
    if (failWrites)
        return failWrites;
    if (line)
        ini[IniKey(file, section, key)] = *line;
    else
        ini.erase(IniKey(file, section, key));
    return 0;
}

} // namespace launchet::test
