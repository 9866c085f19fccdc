#pragma once

// Registry keys for tests: a key of one test's own below HKEY_CURRENT_USER, a guard that empties a
// fixed key for a test and puts it back afterwards, and helpers on keys below HKEY_CURRENT_USER.

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

// A fresh key below `parent` (under HKEY_CURRENT_USER) that belongs to one test alone, deleted
// with everything below it on destruction; `parent` goes too once it is empty. With the default
// parent it stands in for "Software", so that a program's key is Path()\Pellix\CobwenGUI.
class TestRegistryKey {
public:
    explicit TestRegistryKey(std::string_view parent = "Software\\UlvarSettingsTests");
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;
    ~TestRegistryKey();

    const std::string& Path() const { return path_; }
    std::string VendorKey() const { return path_ + "\\Pellix"; }
    std::string ProgramKey() const { return VendorKey() + "\\CobwenGUI"; }

private:
    std::string parent_;
    std::string path_;
};

// A fixed key below HKEY_CURRENT_USER (a plug-in's own settings key) as the test found it: the
// guard moves it aside, so the test starts without it, and puts it back when destroyed. A parent
// key that did not exist before is removed again once empty.
class RegistryKeyGuard {
public:
    explicit RegistryKeyGuard(std::string path);
    RegistryKeyGuard(const RegistryKeyGuard&) = delete;
    RegistryKeyGuard& operator=(const RegistryKeyGuard&) = delete;
    ~RegistryKeyGuard();

    const std::string& Path() const { return path_; }

private:
    std::string path_;
    TestRegistryKey backup_{"Software\\UlvarKeyBackups"};
    bool existed_ = false;
    std::vector<std::string> createdParents_; // the innermost first
};

struct RegistryValue {
    DWORD type = REG_NONE;
    std::string data;
};
bool KeyExists(const std::string& path);
// Creates the key when missing; false on failure.
bool CreateKey(const std::string& path);
bool SetValue(const std::string& path, const std::string& name, DWORD type,
              const std::string& data);
bool SetString(const std::string& path, const std::string& name, const std::string& text);
bool SetDword(const std::string& path, const std::string& name, DWORD value);
std::optional<RegistryValue> GetValue(const std::string& path, const std::string& name);
// A REG_SZ value's text (without its terminating NUL), or nothing for a missing or other value.
std::optional<std::string> GetString(const std::string& path, const std::string& name);
std::optional<DWORD> GetDword(const std::string& path, const std::string& name);
std::vector<std::string> ValueNames(const std::string& path);
// Deletes the key with everything below it; nothing when it is missing.
void DeleteTree(const std::string& path);

} // namespace testsupport
