#include "plugins/services/core/ServiceItems.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/Messages.h"

namespace sentrel {

namespace {

void SetShortName(ulvar::PanelItem& item, const std::string& name) {
    ulvar::kit::CopyText(item.Data.AlternateFileName, std::string_view(name).substr(0, 8));
}

} // namespace

void SetFolderItem(ulvar::kit::PanelItemBlock& block, std::size_t index, const std::string& name,
                   std::uint64_t now) {
    block.SetName(index, name);
    ulvar::PanelItem& item = block[index];
    item.Data.FileAttributes = FolderAttributes;
    item.Data.CreationTime = item.Data.LastAccessTime = item.Data.LastWriteTime = now;
    SetShortName(item, name);
}

std::vector<std::string> ServiceColumns(const ServiceNode& record, const ItemOptions& options) {
    const auto& m = options.message;
    const std::uint32_t start = record.config.startType;
    const bool running = record.state == StateRunning;
    const bool paused = record.state == StatePaused;
    const bool knownStart = start < static_cast<std::uint32_t>(StartTypeCount);
    return {
        running  ? m(msg::StateRunning)
        : paused ? m(msg::StatePaused)
                 : std::string(),
        knownStart ? m(msg::StartType + static_cast<int>(start)) : std::string(),
        options.oemFromAnsi(options.swapped ? record.name : record.config.displayName),
        running  ? m(msg::StateRunningShort)
        : paused ? m(msg::StatePausedShort)
                 : std::string(),
        knownStart ? m(msg::StartTypeShort + static_cast<int>(start)) : std::string(),
    };
}

Listing BuildServiceItems(const ServiceList& list, const ItemOptions& options) {
    const std::size_t offset = options.folderItem ? 1 : 0;
    const std::size_t total = list.Count() + offset;
    Listing listing{ulvar::kit::PanelItemBlock(total), {}};
    ulvar::kit::PanelItemBlock& block = listing.block;
    if (options.folderItem)
        SetFolderItem(block, 0, *options.folderItem, options.now);
    std::size_t slot = total;
    for (const ServicePtr& record : list.Records()) {
        --slot;
        const std::string name = options.oemFromAnsi(record->name);
        block.SetName(
            slot, options.oemFromAnsi(options.swapped ? record->config.displayName : record->name));
        ulvar::PanelItem& item = block[slot];
        item.Data.FileAttributes =
            options.useAttrMapping
                ? AttributesFor(options.attrTable, record->config.startType, record->state)
                : 0;
        item.Data.CreationTime = item.Data.LastAccessTime = item.Data.LastWriteTime =
            record->readTime;
        SetShortName(item, name);
        item.NumberOfLinks = record->DependencyCount();
        if (record->description)
            block.SetDescription(slot, *record->description);
        block.SetOwner(slot, options.oemFromAnsi(record->config.account));
        const auto columns = ServiceColumns(*record, options);
        block.SetColumns(slot, {columns[0], columns[1], columns[2], columns[3], columns[4]});
        item.UserData = reinterpret_cast<std::intptr_t>(record.get());
        listing.records.push_back(record);
    }
    return listing;
}

} // namespace sentrel
