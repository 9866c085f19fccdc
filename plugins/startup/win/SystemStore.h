#pragma once

// The startup store of the running system: the registry, the file system with shell links (COM
// must be initialised on the calling thread), and win.ini through the profile functions. File paths
// arrive in the OEM code page and go to the wide functions, so the result does not depend on the
// code page the process's file functions are set to.

#include "plugins/startup/core/StartupStore.h"

namespace launchet::win {

class SystemStore : public StartupStore {
public:
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

    void SetLastError(unsigned long code) override;
};

// The full path of a file name (OEM text) against the current folder, at most 259 characters.
std::string FullPath(const std::string& name);

} // namespace launchet::win
