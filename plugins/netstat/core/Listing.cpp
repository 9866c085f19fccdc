#include "plugins/netstat/core/Listing.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace sockwell {

namespace {

char* CopyText(const std::string& text) {
    auto copy = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(copy.get(), text.c_str(), text.size() + 1);
    return copy.release();
}

void FillItem(ulvar::PanelItem& item, const RowTexts& texts) {
    std::snprintf(item.Data.FileName, sizeof item.Data.FileName, "%s", texts.name.c_str());
    // Hooked into the item before it is filled, so that FreeRows can free a half-built row.
    auto** columns = new const char*[RowColumnCount]();
    item.CustomColumnData = columns;
    item.CustomColumnNumber = RowColumnCount;
    columns[0] = CopyText(texts.local);
    columns[1] = CopyText(texts.remote);
    columns[2] = CopyText(texts.state);
}

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
    Rows rows;
    if (texts.empty())
        return rows;
    rows.count = static_cast<int>(texts.size());
    rows.items = new ulvar::PanelItem[texts.size()]();
    try {
        for (std::size_t i = 0; i < texts.size(); ++i)
            FillItem(rows.items[i], texts[i]);
    } catch (...) {
        FreeRows(rows.items, rows.count);
        throw;
    }
    return rows;
}

void FreeRows(ulvar::PanelItem* items, int count) {
    if (!items)
        return;
    for (int i = 0; i < count; ++i) {
        const char* const* columns = items[i].CustomColumnData;
        if (!columns)
            continue;
        for (int c = 0; c < items[i].CustomColumnNumber; ++c)
            delete[] columns[c];
        delete[] columns;
    }
    delete[] items;
}

} // namespace sockwell
