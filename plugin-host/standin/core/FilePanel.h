#pragma once

// A panel of the host's own (not a plug-in's): a file-system folder with its items, or another
// kind of panel (information, tree, quick view). Tests set it up as the plug-in's other panel.

#include "ulvar/Plugin.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ulvar::standin {

inline constexpr std::uint32_t AttributeDirectory = 0x10;

// A panel item with a name, attributes and size (everything else zero).
PanelItem MakePanelItem(const std::string& name, std::uint32_t attributes = 0,
                        std::uint64_t size = 0);
inline bool IsFolder(const PanelItem& item) {
    return (item.Data.FileAttributes & AttributeDirectory) != 0;
}

struct FilePanel {
    int type = PanelTypeFiles;
    std::string folder;
    std::vector<PanelItem> items; // ItemSelected in Flags marks the selection
    // The items' names as the system spells them, when the host listed a real folder (the
    // items carry them in the interface's code page); empty for a panel a test filled.
    std::vector<std::string> systemNames;
    int current = 0;
    int top = 0;
    int viewMode = 2;
    int sortMode = SortByName;
    bool sortDescending = false;
    bool visible = true;
};

} // namespace ulvar::standin
