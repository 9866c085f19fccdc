#include "plugins/services/win/RegistryMappings.h"

#include "win32/Registry.h"
#include "win32/Text.h"

#include <windows.h>

namespace sentrel::win {

RegistryMappingStore::RegistryMappingStore(std::string pluginKey)
    : key_(win32::WideFromOem(pluginKey + "\\AttrMappings")) {
}

std::vector<std::string> RegistryMappingStore::GroupNames() const {
    std::vector<std::string> names;
    const win32::RegistryKey key = win32::OpenKey(HKEY_CURRENT_USER, key_, KEY_READ);
    if (!key.Valid())
        return names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

StoredMapping RegistryMappingStore::ReadGroup(const std::string& name) const {
    StoredMapping stored;
    const win32::RegistryKey key =
        win32::OpenKey(HKEY_CURRENT_USER, key_ + L"\\" + win32::ToWide(name, win32::AnsiCodePage),
                       KEY_QUERY_VALUE);
    if (!key.Valid())
        return stored;
    stored.startup = win32::ReadDword(key.Get(), "Startup");
    stored.status = win32::ReadDword(key.Get(), "Status");
    stored.attributes = win32::ReadDword(key.Get(), "Attributes");
    return stored;
}

bool RegistryMappingStore::WriteAll(const std::vector<AttrMapping>& mappings) {
    {
        const win32::RegistryKey key = win32::OpenKey(HKEY_CURRENT_USER, key_, KEY_ALL_ACCESS);
        if (key.Valid()) {
            for (const std::string& name : GroupNames())
                RegDeleteTreeA(key.Get(), name.c_str());
        }
    }
    bool written = true;
    for (std::size_t i = 0; i < mappings.size(); ++i) {
        const win32::RegistryKey group = win32::CreateKey(
            HKEY_CURRENT_USER, key_ + L"\\" + win32::ToWide(GroupName(i), win32::AnsiCodePage),
            KEY_SET_VALUE);
        if (!group.Valid()) {
            written = false;
            continue;
        }
        const StoredMapping stored = StoredFromMapping(mappings[i]);
        if (stored.startup)
            written = win32::WriteDword(group.Get(), "Startup", *stored.startup) && written;
        if (stored.status)
            written = win32::WriteDword(group.Get(), "Status", *stored.status) && written;
        written = win32::WriteDword(group.Get(), "Attributes", *stored.attributes) && written;
    }
    return written;
}

} // namespace sentrel::win
