#pragma once

// A listing for the host: one PanelItem per endpoint, all TCP rows first in table order, then all
// UDP rows, each with its name, three column texts and its place in the listing (UserData, from
// 1) and nothing else. The rows and their texts
// are a block of the kit: they belong to the plug-in until ulvar::kit::FreePanelItems.

#include "plugins/netstat/core/Endpoints.h"
#include "plugins/netstat/core/ProcessList.h"
#include "plugins/netstat/core/RowTexts.h"
#include "ulvar/Plugin.h"

#include <functional>
#include <optional>
#include <string>

namespace sockwell {

// The executable name of a process, or nullopt when no such process runs.
using ProcessNameLookup = std::function<std::optional<std::string>(std::uint32_t processId)>;

struct Rows {
    ulvar::PanelItem* items = nullptr;
    int count = 0;
};

inline constexpr int RowColumnCount = 3;

// Builds the rows of the tables that were read (no rows: null items). With processNames (extended
// mode) the owning process of every row is appended to processes; without, processes stays as it
// is.
Rows BuildRows(const EndpointTables& tables, const AddressFormatter& format,
               const ProcessNameLookup* processNames, RowProcessList& processes);

// The owning process of the row under the host's cursor, wherever the host shows that row (its
// order, a second panel); null on the host's ".." and outside extended mode.
const ProcessEntry* CurrentRowProcess(const ulvar::PanelInfo& panel,
                                      const RowProcessList& processes);

} // namespace sockwell
