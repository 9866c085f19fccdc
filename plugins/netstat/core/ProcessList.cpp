#include "plugins/netstat/core/ProcessList.h"

#include <cstdio>

namespace sockwell {

std::string ProcessIdText(std::uint32_t processId) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%lx", static_cast<unsigned long>(processId));
    return text;
}

} // namespace sockwell
