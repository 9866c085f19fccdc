#pragma once

#include "browser/transfer/core/SlotName.h"

#include <optional>

namespace cobwen {

// The authentication identifier of the process's access token; nothing when the token cannot be
// read.
std::optional<LogonSessionId> CurrentLogonSession();

} // namespace cobwen
