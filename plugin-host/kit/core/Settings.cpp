#include "plugin-host/kit/core/Settings.h"

namespace ulvar::kit {

std::optional<std::uint32_t> MemoryValueStore::Read(const std::string& name) const {
    const auto found = values_.find(name);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

bool MemoryValueStore::Write(const std::string& name, std::uint32_t value) {
    if (refuseWrites_)
        return false;
    values_[name] = value;
    return true;
}

} // namespace ulvar::kit
