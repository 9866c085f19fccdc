#pragma once

// The order of two listed services for the host's sort mode. Equal keys fall back to the names
// without regard to case: the display names in a swapped listing, else the service names.

#include "plugins/services/core/ServiceNode.h"

#include <functional>
#include <string>

namespace sentrel {

struct SortContext {
    bool swapped = false;
    bool descriptionsSupported = false;
    // The start-type text of the panel (message 37 + start type; "" outside 0 to 4).
    std::function<std::string(std::uint32_t startType)> startTypeText;
};

// -1, 0 or 1.
int CompareServices(const ServiceNode& a, const ServiceNode& b, int sortMode,
                    const SortContext& context);

} // namespace sentrel
