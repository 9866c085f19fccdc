#pragma once

#include "browser/app/list/core/ListCommands.h"
#include "browser/app/settings/core/MCIntegerList.h"
#include "browser/catalogue/core/CobwenArchive.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cobwen {

class TextLocale;

// Whether the Download command may run: no transfer runs, and with the basket its list has rows,
// without it the catalogue list has rows and a focused one.
struct DownloadReadiness {
    bool Busy = false;
    bool UseDownloadBasket = true;
    int BasketRows = 0;
    int CatalogueRows = 0;
    bool CatalogueFocused = false;
};
bool CanDownload(const DownloadReadiness& state);

// The record indexes the basket list shows, in archive order: every record whose Id is in the
// basket. An id without a record shows nothing (it stays in the basket).
std::vector<int> BasketRows(const TCobwenArchive& archive, const TMCIntegerList& basketIds);

// The sum of Size over the records in the basket (ids without a record add nothing).
std::int64_t BasketTotal(const TCobwenArchive& archive, const TMCIntegerList& basketIds);

// Status-bar panel 1 with the basket: FormatSize of the total when it is above 0 (a total beyond
// the largest 32-bit size shows as that size), otherwise the catalogue date as a short date.
std::string BasketTotalText(const TCobwenArchive& archive, const TMCIntegerList& basketIds,
                            const TextLocale& locale);

// The rows of a list as their data (record indexes) in list order, and which are selected or
// focused.
struct ListRows {
    std::vector<int> Data;
    std::vector<bool> Selected; // parallel to Data
    int FocusedPosition = -1;
};

// What a rebuild of the basket list locates afterwards: the focused row's record, then the
// record of the row before it (after it when it is the first row); -1 where there is none.
struct BasketFocus {
    int Focused = -1;
    int Neighbour = -1;
};
BasketFocus FocusBeforeRefill(const ListRows& rows);

// The record focused after the selected rows were removed: that of the row after the last
// selected one, else that of the row before the first selected one; -1 when neither exists.
int FocusAfterRemoval(const ListRows& rows);

// What rows dragged from one list do when they are dropped on another: onto the basket list (from
// either list) their ids join the basket; onto the catalogue list from the basket they leave it.
// A drop works during a download run too.
enum class DropAction { None, AddToBasket, RemoveFromBasket };
DropAction DropOnList(ActiveList source, ActiveList target, bool basketUsed);

} // namespace cobwen
