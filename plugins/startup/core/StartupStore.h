#pragma once

// What the startup sources read and write: registry values, folders with their shortcut files,
// and the lines of win.ini. On Windows it is the system itself (win/SystemStore.h). Registry key
// paths, value names and data and win.ini texts are ANSI text, as Windows' "A" functions take them;
// file paths and shortcut texts are OEM text, as the host's file functions take them. Failures are
// Windows error codes (0 = success).

#include "plugins/startup/core/StartupSources.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace launchet {

struct StoredValue {
    std::uint32_t type = 0;
    std::string bytes; // the data as stored, of its real length
};

struct NamedValue {
    std::string name;
    StoredValue value;
};

struct FolderEntry {
    std::string name;
    bool hidden = false;
};

struct ShortcutTarget {
    std::string path;
    std::string arguments;
};

class StartupStore {
public:
    virtual ~StartupStore() = default;

    // Nothing when the key or the value is missing or cannot be read.
    virtual std::optional<StoredValue> ReadValue(RootKey root, const std::string& key,
                                                 const std::string& name) const = 0;
    // Every value of the key in stored order; empty when the key cannot be opened.
    virtual std::vector<NamedValue> Values(RootKey root, const std::string& key) const = 0;
    virtual bool HasValue(RootKey root, const std::string& key, const std::string& name) const = 0;
    // Creates the key when it is missing.
    virtual unsigned long WriteValue(RootKey root, const std::string& key, const std::string& name,
                                     const StoredValue& value) = 0;
    virtual unsigned long DeleteValue(RootKey root, const std::string& key,
                                      const std::string& name) = 0;

    virtual bool FileExists(const std::string& path) const = 0;
    // The files and folders of a folder (its path ends with a backslash), "." and ".." included.
    virtual std::vector<FolderEntry> ListFolder(const std::string& folder) const = 0;
    // The target and arguments of a shortcut file; nothing when it cannot be loaded or resolved.
    virtual std::optional<ShortcutTarget> ResolveShortcut(const std::string& file) const = 0;
    virtual unsigned long CreateShortcut(const std::string& file, const std::string& target,
                                         const std::string& arguments) = 0;
    virtual unsigned long RemoveFile(const std::string& path) = 0;

    // The whole line of a key ("" when it is missing).
    virtual std::string ReadIni(const std::string& file, const std::string& section,
                                const std::string& key) const = 0;
    // Nothing as the line removes the key.
    virtual unsigned long WriteIni(const std::string& file, const std::string& section,
                                   const std::string& key,
                                   const std::optional<std::string>& line) = 0;

    // The calling thread's last error code, which the host's error line shows.
    virtual void SetLastError(unsigned long code) = 0;
};

// Windows error codes the sources report themselves.
inline constexpr unsigned long ErrorFileNotFound = 2;
inline constexpr unsigned long ErrorInvalidName = 123;

} // namespace launchet
