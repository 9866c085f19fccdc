#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cobwen {

// The part of every slot name shared by all logon sessions.
inline constexpr std::string_view SlotNameBase = "DF-{5536AD7E-D679FE070E9B}";

struct LogonSessionId {
    std::uint32_t High = 0;
    std::uint32_t Low = 0;
};

// The base, "-" and the session identifier in sixteen upper-case hexadecimal digits (high half
// first); the bare base when the identifier is unknown.
std::string SlotName(std::optional<LogonSessionId> session);

// The name of the counting semaphore of a given capacity. Every queue in the logon session that
// allows the same number of transfers shares one semaphore; the capacity is part of the name
// because a named semaphore keeps the capacity it was made with while anyone holds it open, and
// the browser always holds its update-check queue open.
std::string SlotSemaphoreName(std::string_view slotName, std::int32_t capacity);

} // namespace cobwen
