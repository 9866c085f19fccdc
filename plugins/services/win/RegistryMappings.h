#pragma once

// The attribute mappings below "<plug-in key>\AttrMappings" in HKEY_CURRENT_USER.

#include "plugins/services/core/AttrMappings.h"

#include <string>

namespace sentrel::win {

class RegistryMappingStore : public MappingStore {
public:
    // The plug-in's key below HKEY_CURRENT_USER (OEM, as the host's root key).
    explicit RegistryMappingStore(std::string pluginKey);

    std::vector<std::string> GroupNames() const override;
    StoredMapping ReadGroup(const std::string& name) const override;
    bool WriteAll(const std::vector<AttrMapping>& mappings) override;

private:
    std::wstring key_;
};

} // namespace sentrel::win
