#include "plugins/netstat/core/Listing.h"

#include "plugin-host/kit/core/PanelItems.h"

#include <vector>

namespace sockwell {

namespace {

void AddProcess(const ProcessNameLookup* processNames, std::uint32_t processId,
                RowProcessList& processes) {
    if (!processNames)
        return;
    auto name = (*processNames)(processId);
    processes.push_back({name ? std::move(*name) : UnknownProcessName, ProcessIdText(processId)});
}

} // namespace

Rows BuildRows(const EndpointTables& tables, const AddressFormatter& format,
               const ProcessNameLookup* processNames, RowProcessList& processes) {
    std::vector<RowTexts> texts;
    if (tables.tcpRead)
        for (auto const& endpoint : tables.tcp) {
            AddProcess(processNames, endpoint.processId, processes);
            texts.push_back(TcpRowTexts(endpoint, format));
        }
    if (tables.udpRead)
        for (auto const& endpoint : tables.udp) {
            AddProcess(processNames, endpoint.processId, processes);
            texts.push_back(UdpRowTexts(endpoint, format));
        }
    ulvar::kit::PanelItemBlock block(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        block.SetName(i, texts[i].name);
        block.SetColumns(i, {texts[i].local, texts[i].remote, texts[i].state});
        block[i].UserData = static_cast<std::intptr_t>(i + 1);
    }
    Rows rows;
    rows.count = static_cast<int>(block.Count());
    rows.items = block.HandOut();
    return rows;
}

const ProcessEntry* CurrentRowProcess(const ulvar::PanelInfo& panel,
                                      const RowProcessList& processes) {
    if (!panel.PanelItems || panel.CurrentItem < 0 || panel.CurrentItem >= panel.ItemsNumber)
        return nullptr;
    std::intptr_t const place = panel.PanelItems[panel.CurrentItem].UserData;
    return place >= 1 && static_cast<std::size_t>(place) <= processes.size()
               ? &processes[static_cast<std::size_t>(place - 1)]
               : nullptr;
}

} // namespace sockwell
