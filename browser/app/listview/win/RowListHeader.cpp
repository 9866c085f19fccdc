// The header control: one item per visible column in display order, each item's lParam naming
// its column, so that dragging, sizing and clicking map back to columns.
#include "browser/app/listview/win/RowListState.h"

#include <algorithm>
#include <commctrl.h>

namespace cobwen {
namespace {

int ItemColumn(HWND header, int item) {
    HDITEMW data{};
    data.mask = HDI_LPARAM;
    if (!SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(item),
                      reinterpret_cast<LPARAM>(&data)))
        return -1;
    return static_cast<int>(data.lParam);
}

} // namespace

void RowList::State::RebuildHeader() {
    if (!header)
        return;
    while (SendMessageW(header, HDM_DELETEITEM, 0, 0))
        ;
    int item = 0;
    for (const int column : order) {
        auto& definition = columns[column];
        if (!definition.Visible)
            continue;
        HDITEMW data{};
        data.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_LPARAM;
        data.pszText = definition.Caption.data();
        data.cxy = definition.Width;
        data.fmt = HDF_STRING | HDF_CENTER;
        if (column == sortColumn && direction == SortDirection::Ascending)
            data.fmt |= HDF_SORTUP;
        else if (column == sortColumn && direction == SortDirection::Descending)
            data.fmt |= HDF_SORTDOWN;
        data.lParam = column;
        SendMessageW(header, HDM_INSERTITEMW, static_cast<WPARAM>(item++),
                     reinterpret_cast<LPARAM>(&data));
    }
}

void RowList::State::UpdateSortArrows() {
    if (!header)
        return;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        HDITEMW data{};
        data.mask = HDI_FORMAT | HDI_LPARAM;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&data));
        data.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (data.lParam == sortColumn && direction == SortDirection::Ascending)
            data.fmt |= HDF_SORTUP;
        else if (data.lParam == sortColumn && direction == SortDirection::Descending)
            data.fmt |= HDF_SORTDOWN;
        data.mask = HDI_FORMAT;
        SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&data));
    }
}

void RowList::State::HeaderOrderChanged() {
    if (!header)
        return;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<int> items(static_cast<std::size_t>(count));
    if (count == 0 || !SendMessageW(header, HDM_GETORDERARRAY, static_cast<WPARAM>(count),
                                    reinterpret_cast<LPARAM>(items.data())))
        return;
    // The visible columns take their slots in the new order; hidden ones stay where they were.
    std::size_t next = 0;
    for (int& column : order)
        if (columns[column].Visible && next < items.size())
            column = ItemColumn(header, items[next++]);
    Invalidate();
}

LRESULT RowList::State::HeaderNotify(NMHDR* notification) {
    auto* item = reinterpret_cast<NMHEADERW*>(notification);
    switch (notification->code) {
    case NM_CUSTOMDRAW: {
        auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(notification);
        if (draw->dwDrawStage == CDDS_PREPAINT)
            return CDRF_NOTIFYITEMDRAW;
        if (draw->dwDrawStage == CDDS_ITEMPREPAINT)
            SetTextColor(draw->hdc, HeaderTextColour);
        return CDRF_DODEFAULT;
    }
    case HDN_ITEMCLICKW:
    case HDN_ITEMCLICKA: {
        const int column = ItemColumn(header, item->iItem);
        if (column < 0)
            return 0;
        const SortDirection next = column == sortColumn && direction == SortDirection::Ascending
                                       ? SortDirection::Descending
                                       : SortDirection::Ascending;
        list.SetSort(column, next);
        owner.SortChanged(list);
        return 0;
    }
    case HDN_ITEMCHANGEDW:
    case HDN_ITEMCHANGEDA:
    case HDN_TRACKW:
    case HDN_TRACKA: {
        if (!item->pitem || !(item->pitem->mask & HDI_WIDTH))
            return 0;
        const int column = ItemColumn(header, item->iItem);
        if (column < 0)
            return 0;
        columns[column].Width = std::max(item->pitem->cxy, 0);
        Layout();
        Invalidate();
        return 0;
    }
    case HDN_ENDDRAG:
        // The header moves the item only after this returns.
        PostMessageW(window, HeaderOrderMessage, 0, 0);
        return FALSE;
    default:
        return 0;
    }
}

} // namespace cobwen
