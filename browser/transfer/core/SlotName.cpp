#include "browser/transfer/core/SlotName.h"

#include <cstdio>

namespace cobwen {

std::string SlotName(std::optional<LogonSessionId> session) {
    std::string name(SlotNameBase);
    if (session) {
        char digits[17];
        std::snprintf(digits, sizeof digits, "%08X%08X", static_cast<unsigned>(session->High),
                      static_cast<unsigned>(session->Low));
        name += '-';
        name += digits;
    }
    return name;
}

std::string SlotSemaphoreName(std::string_view slotName, std::int32_t capacity) {
    std::string name = "DF";
    name += slotName;
    name += '-';
    name += std::to_string(capacity);
    return name;
}

} // namespace cobwen
