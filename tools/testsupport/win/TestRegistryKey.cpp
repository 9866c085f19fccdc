#include "tools/testsupport/win/TestRegistryKey.h"

#include "win32/Registry.h"

#include <atomic>
#include <cstring>
#include <utility>

namespace testsupport {

TestRegistryKey::TestRegistryKey(std::string_view parent) : parent_(parent) {
    static std::atomic<unsigned> counter{0};
    path_ = parent_ + "\\run-" + std::to_string(GetCurrentProcessId()) + "-" +
            std::to_string(counter++);
    DeleteTree(path_);
    CreateKey(path_);
}

TestRegistryKey::~TestRegistryKey() {
    DeleteTree(path_);
    win32::DeleteKeyIfEmpty(HKEY_CURRENT_USER, parent_);
}

RegistryKeyGuard::RegistryKeyGuard(std::string path) : path_(std::move(path)) {
    for (auto end = path_.rfind('\\'); end != std::string::npos && end > 0;
         end = path_.rfind('\\', end - 1)) {
        const std::string parent = path_.substr(0, end);
        if (KeyExists(parent))
            break;
        createdParents_.push_back(parent);
    }
    existed_ = KeyExists(path_);
    if (existed_) {
        const win32::RegistryKey source = win32::OpenKey(HKEY_CURRENT_USER, path_, KEY_READ);
        const win32::RegistryKey target =
            win32::OpenKey(HKEY_CURRENT_USER, backup_.Path(), KEY_ALL_ACCESS);
        RegCopyTreeA(source.Get(), nullptr, target.Get());
    }
    DeleteTree(path_);
}

RegistryKeyGuard::~RegistryKeyGuard() {
    DeleteTree(path_);
    if (existed_) {
        CreateKey(path_);
        const win32::RegistryKey source =
            win32::OpenKey(HKEY_CURRENT_USER, backup_.Path(), KEY_READ);
        const win32::RegistryKey target = win32::OpenKey(HKEY_CURRENT_USER, path_, KEY_ALL_ACCESS);
        RegCopyTreeA(source.Get(), nullptr, target.Get());
    }
    for (const std::string& parent : createdParents_)
        win32::DeleteKeyIfEmpty(HKEY_CURRENT_USER, parent);
}

void DeleteTree(const std::string& path) {
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
}

bool KeyExists(const std::string& path) {
    return win32::OpenKey(HKEY_CURRENT_USER, path, KEY_READ).Valid();
}

bool CreateKey(const std::string& path) {
    return win32::CreateKey(HKEY_CURRENT_USER, path, KEY_READ | KEY_WRITE).Valid();
}

bool SetValue(const std::string& path, const std::string& name, DWORD type,
              const std::string& data) {
    const win32::RegistryKey key = win32::CreateKey(HKEY_CURRENT_USER, path, KEY_WRITE);
    return key.Valid() && RegSetValueExA(key.Get(), name.empty() ? nullptr : name.c_str(), 0, type,
                                         reinterpret_cast<const BYTE*>(data.data()),
                                         static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool SetString(const std::string& path, const std::string& name, const std::string& text) {
    return SetValue(path, name, REG_SZ, text + '\0');
}

bool SetDword(const std::string& path, const std::string& name, DWORD value) {
    std::string data(sizeof value, '\0');
    std::memcpy(data.data(), &value, sizeof value);
    return SetValue(path, name, REG_DWORD, data);
}

std::optional<RegistryValue> GetValue(const std::string& path, const std::string& name) {
    const win32::RegistryKey key = win32::OpenKey(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.Valid())
        return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, &value.type,
                         reinterpret_cast<BYTE*>(value.data.data()), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::optional<std::string> GetString(const std::string& path, const std::string& name) {
    auto value = GetValue(path, name);
    if (!value || value->type != REG_SZ)
        return std::nullopt;
    if (!value->data.empty() && value->data.back() == '\0')
        value->data.pop_back();
    return value->data;
}

std::optional<DWORD> GetDword(const std::string& path, const std::string& name) {
    const auto value = GetValue(path, name);
    if (!value || value->type != REG_DWORD || value->data.size() != sizeof(DWORD))
        return std::nullopt;
    DWORD number = 0;
    std::memcpy(&number, value->data.data(), sizeof number);
    return number;
}

std::vector<std::string> ValueNames(const std::string& path) {
    std::vector<std::string> names;
    const win32::RegistryKey key = win32::OpenKey(HKEY_CURRENT_USER, path, KEY_READ);
    if (!key.Valid())
        return names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumValueA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

} // namespace testsupport
