#pragma once

#include "browser/app/settings/core/MCIntegerList.h"
#include "browser/app/settings/core/ViewSettings.h"
#include "browser/catalogue/core/CobwenData.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace cobwen {

// What the colours of both lists depend on besides the cell.
struct RowColourContext {
    const ViewSettings& View;
    const TMCIntegerList& DownloadedIds;
    std::string_view PreviousNewestStamp;
    bool TransferRunning = false; // the status bar's progress bar is shown
    bool PreviewShown = false;    // the list shows preview text under its rows
};

// The background of one cell (0x00BBGGRR or a system colour, as ViewSettings holds them), or
// nothing when the cell keeps the list's own colours: when it is selected, while a transfer runs,
// and for the cells neither marked nor striped. A downloaded plug-in wins over a new one; without
// StripedRow every second column (positions 1, 3, ... from 0) is striped, with it every second row,
// but only while the list shows no preview.
std::optional<std::uint32_t> CellColour(const TCobwenData* record, int rowPosition,
                                        int columnPosition, bool selected,
                                        const RowColourContext& context);

// The background of a row's preview text: downloaded, else new, else ColorList; nothing under the
// same exceptions as for cells.
std::optional<std::uint32_t> PreviewColour(const TCobwenData* record, bool selected,
                                           const RowColourContext& context);

} // namespace cobwen
