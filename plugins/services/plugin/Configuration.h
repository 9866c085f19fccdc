#pragma once

// The plug-in's configuration: the dialog of its settings, the confirmation bits and the
// attribute-mapping editor. The editors work on copies that the configuration dialog takes over
// only when it is saved; saving writes every value to the registry at once.

#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/plugin/Library.h"

#include <cstdint>
#include <vector>

namespace sentrel {

// Configure's entry 0: 1 after saving, 0 when cancelled.
int RunConfiguration(Library& lib);
// The new bits, or the old ones when cancelled.
std::uint32_t EditConfirmations(const Library& lib, std::uint32_t bits);
// Edits the list in place until the menu is left; true when the list counts as changed.
bool EditAttrMappings(const Library& lib, std::vector<AttrMapping>& list);

} // namespace sentrel
