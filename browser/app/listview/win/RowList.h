#pragma once

#include "browser/app/list/core/SortDirection.h"

#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

struct RowListColumn {
    std::wstring Caption;
    int Width = 100;
    bool RightAligned = false;
    bool Visible = true;
};

// CLR_INVALID in either member keeps the list's own colour.
struct CellColours {
    COLORREF Background = CLR_INVALID;
    COLORREF Text = CLR_INVALID;
};

class RowList;

// The list stores only the data integer of each row; everything it shows comes from its owner,
// asked while painting, so a rebuild of tens of thousands of rows costs no text at all.
class RowListOwner {
public:
    virtual ~RowListOwner() = default;
    virtual std::wstring CellText(int data, int column) = 0;
    // <0: a before b. The list calls it with its current sort column and direction.
    virtual int CompareRows(int dataA, int dataB, int column, SortDirection direction) = 0;
    // rowPosition/columnPosition: visible positions counted from 0 (columnPosition in display
    // order).
    virtual CellColours CellColour(int /*data*/, int /*rowPosition*/, int /*columnPosition*/,
                                   bool /*selected*/) {
        return {};
    }
    virtual std::wstring PreviewText(int /*data*/) { return {}; }
    virtual CellColours PreviewColour(int /*data*/, bool /*selected*/) { return {}; }
    // The focused row's data changed (also to or from no row).
    virtual void FocusedRowChanged(RowList& /*list*/) {}
    // Which rows are selected changed (not only their number: a size total depends on which).
    virtual void SelectionCountChanged(RowList& /*list*/) {}
    virtual void GotFocus(RowList& /*list*/) {}
    virtual void ContextMenu(RowList& /*list*/, POINT /*screenPoint*/) {}
    // Enter or a double click on a row.
    virtual void RowActivated(RowList& /*list*/) {}
    // The user clicked a header; the rows are already in the new order.
    virtual void SortChanged(RowList& /*list*/) {}
    // The selected rows are being dragged with the mouse over the window (any window of the
    // screen, perhaps none): whether a drop there would be taken.
    virtual bool AcceptsDrop(RowList& /*source*/, HWND /*target*/) { return false; }
    // They were dropped on the window.
    virtual void RowsDropped(RowList& /*source*/, HWND /*target*/) {}
};

// A virtual multi-select list with a header and an optional preview text under every row.
// It owns its child window. Notifications fire at most once per call or user action.
class RowList {
public:
    RowList(HWND parent, int controlId, RowListOwner& owner);
    ~RowList();
    RowList(const RowList&) = delete;
    RowList& operator=(const RowList&) = delete;

    HWND Window() const;
    HWND Header() const;

    void SetColumns(std::vector<RowListColumn> columns);
    // Widths as the user left them.
    const std::vector<RowListColumn>& Columns() const;
    // Column indexes in display order, hidden columns included.
    std::vector<int> ColumnOrder() const;
    // Ignored unless it is a permutation of the column indexes.
    void SetColumnOrder(const std::vector<int>& order);
    void SetColumnVisible(int column, bool visible);

    // Re-sorts the rows. column -1 or SortDirection::None: the order the rows were given in.
    void SetSort(int column, SortDirection direction);
    int SortColumn() const;
    SortDirection Direction() const;

    // Replaces all rows and sorts them; focus and selection are cleared.
    void SetRows(std::vector<int> data);
    // Re-sorts after the owner's data changed; focus and selection follow their rows.
    void Sort();
    int RowCount() const;
    int RowData(int position) const;

    // -1 when no row is focused.
    int FocusedData() const;
    int FocusedPosition() const;
    // Focuses the row with this data and scrolls it into view; with select it becomes the only
    // selected row. False (and nothing changes) when no row has this data.
    bool Locate(int data, bool select);
    // In row order.
    std::vector<int> SelectedData() const;
    int SelectedCount() const;
    bool IsSelected(int position) const;
    void SelectAll();

    // Neither font is owned; null means the list's default font.
    void SetFonts(HFONT listFont, HFONT previewFont);
    void SetPreview(bool shown, int maxLines = 40);
    bool PreviewShown() const;
    void SetBackground(COLORREF colour);

    // Nested pairs allowed; drawing resumes at the last EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    void Redraw();

    // The row's rectangle in the list's client coordinates (rows above the first visible one
    // have negative tops); empty for a position out of range.
    RECT RowRect(int position) const;
    int TopPosition() const;

    // Column widths, order, visibility and the sort as printable bytes. Restore changes nothing
    // and returns false for bytes it cannot read or that describe another set of columns.
    std::string SaveLayout() const;
    bool RestoreLayout(const std::string& bytes);

    struct State;

private:
    std::unique_ptr<State> state_;
};

} // namespace cobwen
