#pragma once

// What a plug-in offers in the host's menus, as GetPluginInfo hands it over: the texts (the host's
// messages, which stay valid while the plug-in is loaded) and the numbers are kept here, so the
// object lives in the plug-in and the record points into it.

#include "ulvar/Plugin.h"

#include <cstdint>
#include <vector>

namespace ulvar::kit {

struct PluginMenus {
    std::uint32_t flags = 0; // PluginFlags
    std::vector<const char*> disksMenu;
    std::vector<int> disksMenuNumbers; // one hot digit per disks-menu entry, 0 = none
    std::vector<const char*> pluginsMenu;
    std::vector<const char*> configMenu;
    const char* commandPrefix = nullptr;

    // Every field of the record but StructSize; an empty menu is a null list of no entries.
    void Fill(PluginInfoRecord& info) const;
};

} // namespace ulvar::kit
