#include "plugin-host/standin/core/FilePanel.h"

#include <cstdio>

namespace ulvar::standin {

PanelItem MakePanelItem(const std::string& name, std::uint32_t attributes, std::uint64_t size) {
    PanelItem item{};
    std::snprintf(item.Data.FileName, sizeof item.Data.FileName, "%s", name.c_str());
    item.Data.FileAttributes = attributes;
    item.Data.FileSize = size;
    return item;
}

} // namespace ulvar::standin
