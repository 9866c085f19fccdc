#include "browser/app/main/core/BasketDecisions.h"

#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextHelpers.h"

#include <algorithm>
#include <limits>

namespace cobwen {

bool CanDownload(const DownloadReadiness& state) {
    if (state.Busy)
        return false;
    if (state.UseDownloadBasket)
        return state.BasketRows > 0;
    return state.CatalogueRows > 0 && state.CatalogueFocused;
}

std::vector<int> BasketRows(const TCobwenArchive& archive, const TMCIntegerList& basketIds) {
    std::vector<int> rows;
    if (basketIds.Count() == 0)
        return rows;
    for (int index = 0; index < archive.Count(); ++index)
        if (basketIds.Contains(archive.GetItem(index)->Id))
            rows.push_back(index);
    return rows;
}

std::int64_t BasketTotal(const TCobwenArchive& archive, const TMCIntegerList& basketIds) {
    std::int64_t total = 0;
    for (const int index : BasketRows(archive, basketIds))
        total += archive.GetItem(index)->Size;
    return total;
}

std::string BasketTotalText(const TCobwenArchive& archive, const TMCIntegerList& basketIds,
                            const TextLocale& locale) {
    const std::int64_t total = BasketTotal(archive, basketIds);
    if (total > 0) {
        constexpr std::int64_t Largest = std::numeric_limits<std::int32_t>::max();
        return FormatSize(static_cast<std::int32_t>(std::min(total, Largest)), locale);
    }
    return FormatShortDate(archive.CatalogueDate(), locale);
}

BasketFocus FocusBeforeRefill(const ListRows& rows) {
    BasketFocus focus;
    const int count = static_cast<int>(rows.Data.size());
    const int at = rows.FocusedPosition;
    if (at < 0 || at >= count)
        return focus;
    focus.Focused = rows.Data[static_cast<std::size_t>(at)];
    const int neighbour = at > 0 ? at - 1 : at + 1;
    if (neighbour < count)
        focus.Neighbour = rows.Data[static_cast<std::size_t>(neighbour)];
    return focus;
}

int FocusAfterRemoval(const ListRows& rows) {
    const auto first = std::ranges::find(rows.Selected, true);
    if (first == rows.Selected.end())
        return -1;
    const auto last = std::find(rows.Selected.rbegin(), rows.Selected.rend(), true);
    const std::size_t after = static_cast<std::size_t>(rows.Selected.rend() - last);
    if (after < rows.Data.size())
        return rows.Data[after];
    const std::size_t before = static_cast<std::size_t>(first - rows.Selected.begin());
    return before > 0 ? rows.Data[before - 1] : -1;
}

DropAction DropOnList(ActiveList source, ActiveList target, bool basketUsed) {
    if (!basketUsed)
        return DropAction::None;
    if (target == ActiveList::Basket)
        return DropAction::AddToBasket;
    return source == ActiveList::Basket ? DropAction::RemoveFromBasket : DropAction::None;
}

} // namespace cobwen
