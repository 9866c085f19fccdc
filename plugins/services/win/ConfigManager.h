#pragma once

// The system's configuration manager: the seven functions looked up by name in "CFGMGR32" when
// Load is called, the library released again with the object.

#include "plugins/services/core/HardwareProfiles.h"

#include <windows.h>

namespace sentrel::win {

class SystemConfigManager : public ConfigManager {
public:
    SystemConfigManager() = default;
    ~SystemConfigManager() override;
    SystemConfigManager(const SystemConfigManager&) = delete;
    SystemConfigManager& operator=(const SystemConfigManager&) = delete;

    std::uint32_t Load() override;
    std::uint32_t Connect(const std::string& machine) override;
    void Disconnect() override;
    std::uint32_t DeviceListSize(const std::string& service, std::uint32_t& size) override;
    std::uint32_t DeviceList(const std::string& service, std::vector<char>& list) override;
    std::uint32_t ProfileInfo(std::uint32_t index, HardwareProfile& profile) override;
    std::uint32_t GetFlags(const std::string& device, std::uint32_t profile,
                           std::uint32_t& flags) override;
    std::uint32_t SetFlags(const std::string& device, std::uint32_t profile,
                           std::uint32_t flags) override;

    struct Functions;

private:
    HMODULE library_ = nullptr;
    Functions* functions_ = nullptr;
    HANDLE machine_ = nullptr;
};

} // namespace sentrel::win
