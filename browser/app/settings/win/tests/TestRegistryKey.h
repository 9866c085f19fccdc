#pragma once

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen::test {

// A registry key below HKEY_CURRENT_USER that belongs to one test alone; it stands in for
// "Software", so that the program's key is Path()\Pellix\CobwenGUI. Deleted with everything below
// it on destruction.
class TestRegistryKey {
public:
    TestRegistryKey();
    TestRegistryKey(const TestRegistryKey&) = delete;
    TestRegistryKey& operator=(const TestRegistryKey&) = delete;
    ~TestRegistryKey();

    const std::string& Path() const { return path_; }
    std::string VendorKey() const { return path_ + "\\Pellix"; }
    std::string ProgramKey() const { return VendorKey() + "\\CobwenGUI"; }

private:
    std::string path_;
};

// Helpers on keys below HKEY_CURRENT_USER.
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

} // namespace cobwen::test
