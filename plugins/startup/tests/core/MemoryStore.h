#pragma once

// A startup store in memory for the sources' logic: registry values with their types, files and
// shortcuts, win.ini lines. The Windows tests run the same sources against the real system.

#include "plugin-host/kit/core/CodePages.h"
#include "plugins/startup/core/StartupStore.h"

#include <map>
#include <set>
#include <utility>

namespace launchet::test {

// Capital Cyrillic letters between code page 1251 (ANSI) and 866 (OEM); every other byte stays.
class CyrillicCodePages : public ulvar::kit::CodePages {
public:
    std::string AnsiFromOem(std::string_view oem) const override;
    std::string OemFromAnsi(std::string_view ansi) const override;
};

class MemoryStore : public StartupStore {
public:
    using Key = std::pair<RootKey, std::string>;
    struct Shortcut {
        ShortcutTarget target;
    };

    // Values in insertion order per key.
    std::map<Key, std::vector<NamedValue>> keys;
    std::map<std::string, FolderEntry> files;        // OEM path -> entry
    std::map<std::string, ShortcutTarget> shortcuts; // OEM path -> what it points at
    std::map<std::string, std::string> ini;          // "file|section|key" -> line
    unsigned long lastError = 0;
    unsigned long failWrites = 0; // nonzero: every write fails with this code

    void Set(RootKey root, const std::string& key, const std::string& name, std::uint32_t type,
             const std::string& bytes);
    const NamedValue* Find(RootKey root, const std::string& key, const std::string& name) const;

    std::optional<StoredValue> ReadValue(RootKey root, const std::string& key,
                                         const std::string& name) const override;
    std::vector<NamedValue> Values(RootKey root, const std::string& key) const override;
    bool HasValue(RootKey root, const std::string& key, const std::string& name) const override;
    unsigned long WriteValue(RootKey root, const std::string& key, const std::string& name,
                             const StoredValue& value) override;
    unsigned long DeleteValue(RootKey root, const std::string& key,
                              const std::string& name) override;
    bool FileExists(const std::string& path) const override;
    std::vector<FolderEntry> ListFolder(const std::string& folder) const override;
    std::optional<ShortcutTarget> ResolveShortcut(const std::string& file) const override;
    unsigned long CreateShortcut(const std::string& file, const std::string& target,
                                 const std::string& arguments) override;
    unsigned long RemoveFile(const std::string& path) override;
    std::string ReadIni(const std::string& file, const std::string& section,
                        const std::string& key) const override;
    unsigned long WriteIni(const std::string& file, const std::string& section,
                           const std::string& key, const std::optional<std::string>& line) override;
    void SetLastError(unsigned long code) override { lastError = code; }
};

} // namespace launchet::test
