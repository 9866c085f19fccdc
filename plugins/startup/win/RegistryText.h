#pragma once

// Registry values read at their real size: the data as the registry holds it, of the length it
// reports, read again at the reported size when the first buffer was too small.

#include "plugins/startup/core/StartupStore.h"
#include "win32/Handle.h"

#include <optional>
#include <string>
#include <vector>

namespace launchet::win {

HKEY RootHandle(RootKey root);

// Nothing when the value is missing or cannot be read.
std::optional<StoredValue> ReadRegistryValue(HKEY key, const std::string& name);
// Every value of an open key, each at its full size, in enumeration order.
std::vector<NamedValue> ReadRegistryValues(HKEY key);

} // namespace launchet::win
