#pragma once

// Named 32-bit values under a key below HKEY_CURRENT_USER: a value counts only when it is a
// REG_DWORD of four bytes; writing creates the key when it is missing. Value names are plain ASCII.

#include "plugin-host/kit/core/Settings.h"

#include <string>

namespace ulvar::kit::win {

class RegistryValueStore : public ValueStore {
public:
    // keyPath below HKEY_CURRENT_USER, OEM text as the host's root key is.
    explicit RegistryValueStore(std::string keyPath) : keyPath_(std::move(keyPath)) {}

    std::optional<std::uint32_t> Read(const std::string& name) const override;
    bool Write(const std::string& name, std::uint32_t value) override;
    const std::string& KeyPath() const { return keyPath_; }

private:
    std::string keyPath_;
};

} // namespace ulvar::kit::win
