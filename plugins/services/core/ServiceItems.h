#pragma once

// Panel items of the services and devices folders and of the root folder. A service item points
// at its record through UserData; the records of a listing are kept with it (Listing::records), so
// they live as long as the host holds the items.

#include "plugin-host/kit/core/PanelItems.h"
#include "plugins/services/core/AttrMappings.h"
#include "plugins/services/core/ServiceNode.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::uint32_t FolderAttributes = 0x11; // directory, read-only
inline constexpr int ServiceColumnCount = 5;

struct Listing {
    ulvar::kit::PanelItemBlock block{0};
    std::vector<ServicePtr> records;
};

struct ItemOptions {
    bool swapped = false;
    bool useAttrMapping = false;
    AttrTable attrTable{};
    // The top folder lists the other folder first: its name (OEM).
    std::optional<std::string> folderItem;
    std::uint64_t now = 0;                   // the folder item's times
    std::function<std::string(int)> message; // OEM
    std::function<std::string(const std::string&)> oemFromAnsi;
};

// The five column texts of a record.
std::vector<std::string> ServiceColumns(const ServiceNode& record, const ItemOptions& options);

// One item per record of the list (the panel shows them in enumeration order, the list holds them
// newest first), after the folder item when there is one.
Listing BuildServiceItems(const ServiceList& list, const ItemOptions& options);

// A folder item: attributes 0x11, the three times now, short name the first 8 characters.
void SetFolderItem(ulvar::kit::PanelItemBlock& block, std::size_t index, const std::string& name,
                   std::uint64_t now);

// The record of an item, or null (a folder item, the host's "..").
inline ServiceNode* RecordOf(const ulvar::PanelItem& item) {
    return reinterpret_cast<ServiceNode*>(item.UserData);
}

} // namespace sentrel
