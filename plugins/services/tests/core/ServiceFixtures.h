#pragma once

// Records and message texts for the tests of lists, items, sorting and the report.

#include "plugins/services/core/ServiceNode.h"

#include <memory>
#include <string>

namespace sentrel::test {

inline ServicePtr MakeService(const std::string& name, std::uint32_t state = StateStopped,
                              std::uint32_t startType = 3, const std::string& displayName = "",
                              const std::string& account = "LocalSystem") {
    auto record = std::make_shared<ServiceNode>();
    record->name = name;
    record->state = state;
    record->config.serviceType = 0x10;
    record->config.startType = startType;
    record->config.errorControl = 1;
    record->config.displayName = displayName.empty() ? name : displayName;
    record->config.account = account;
    return record;
}

// "m<number>" for every message, so that a test sees which one was used.
inline std::string NumberedMessage(int number) {
    return "m" + std::to_string(number);
}

inline std::string SameText(const std::string& text) {
    return text;
}

} // namespace sentrel::test
