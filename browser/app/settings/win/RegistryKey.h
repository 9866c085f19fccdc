#pragma once

#include <string>
#include <utility>
#include <windows.h>

namespace cobwen {

// Owns an opened registry key (never one of the predefined root keys).
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    RegistryKey(RegistryKey&& other) noexcept : key_(other.Release()) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~RegistryKey() { Reset(); }

    // The key `path` below `parent`; an invalid key when it cannot be opened or created.
    static RegistryKey Open(HKEY parent, const std::string& path, REGSAM access);
    static RegistryKey Create(HKEY parent, const std::string& path, REGSAM access);

    bool Valid() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }
    HKEY Release() { return std::exchange(key_, nullptr); }
    void Reset(HKEY key = nullptr) {
        if (key_)
            RegCloseKey(key_);
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};

// Deletes the key `path` below `parent` when it holds neither sub-keys nor values (the default
// value included); true when it was deleted.
bool DeleteKeyIfEmpty(HKEY parent, const std::string& path);

} // namespace cobwen
