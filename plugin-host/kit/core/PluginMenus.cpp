#include "plugin-host/kit/core/PluginMenus.h"

namespace ulvar::kit {

namespace {

template <typename Item> const Item* ListOf(const std::vector<Item>& items) {
    return items.empty() ? nullptr : items.data();
}

} // namespace

void PluginMenus::Fill(PluginInfoRecord& info) const {
    info.Flags = flags;
    info.DisksMenuStrings = ListOf(disksMenu);
    info.DisksMenuNumbers = ListOf(disksMenuNumbers);
    info.DisksMenuStringsNumber = static_cast<int>(disksMenu.size());
    info.PluginMenuStrings = ListOf(pluginsMenu);
    info.PluginMenuStringsNumber = static_cast<int>(pluginsMenu.size());
    info.PluginConfigStrings = ListOf(configMenu);
    info.PluginConfigStringsNumber = static_cast<int>(configMenu.size());
    info.CommandPrefix = commandPrefix;
}

} // namespace ulvar::kit
