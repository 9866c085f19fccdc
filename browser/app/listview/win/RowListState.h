#pragma once

// The inside of RowList, shared by the files that implement it; not for the list's users.

#include "browser/app/listview/core/RowHeights.h"
#include "browser/app/listview/core/RowSelection.h"
#include "browser/app/listview/win/RowList.h"
#include "win32/Gdi.h"
#include "win32/Handle.h"

namespace cobwen {

struct RowList::State {
    State(RowList& self, RowListOwner& rowOwner);
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    // What notifications compare against: taken before a change, Notify fires for what differs.
    struct Snapshot {
        int FocusData;
        unsigned Generation;
    };
    Snapshot Take() const { return {FocusData(), selection.Generation()}; }
    void Notify(const Snapshot& before);

    int FocusData() const;
    int ViewHeight() const;
    int ClientWidth() const;
    int TotalWidth() const;
    int MeasureRow(int position);
    void UpdateFontMetrics();
    void InvalidateHeights();

    // Sorts rows (and the selection with them) by the owner's comparison; no notification.
    void SortRows();
    void SetTop(int position);
    void ScrollIntoView(int position);
    void SetScrollX(int x);
    void Layout();
    void UpdateScrollBars();
    void Invalidate();
    void InvalidateRow(int position);
    RECT RowRectangle(int position);

    // Header (RowListHeader.cpp).
    void RebuildHeader();
    void UpdateSortArrows();
    void HeaderOrderChanged();
    LRESULT HeaderNotify(NMHDR* header);

    // Input (RowListInput.cpp).
    void Click(int position, bool shift, bool ctrl);
    void MoveFocus(int position, bool shift, bool ctrl);
    bool KeyDown(WPARAM key);
    void Wheel(int delta);
    void VerticalScroll(int request);
    void HorizontalScroll(int request);
    POINT KeyboardMenuPoint();
    int HitTest(int y);
    // Dragging the selected rows with the left button (RowListInput.cpp): armed by a press on a
    // row, started once the mouse moved beyond the system's drag distance, ended by the release
    // (a drop), by Esc or by a lost capture.
    void ArmDrag(POINT point, int position, bool deferredClick);
    void DragMove(POINT point);
    void DragRelease(POINT point);
    void CancelDrag();

    // Painting (RowListPaint.cpp).
    void Paint(HDC target, const RECT& area);

    RowList& list;
    RowListOwner& owner;
    HWND window = nullptr;
    HWND header = nullptr;
    int headerHeight = 0;

    std::vector<RowListColumn> columns;
    std::vector<int> order;
    int sortColumn = -1;
    SortDirection direction = SortDirection::None;

    std::vector<int> rows;
    // Each row's position in the vector SetRows got, which is the order without a sort.
    std::vector<int> origin;
    RowSelection selection;
    RowHeights heights;
    int top = 0;
    int scrollX = 0;
    int wheelRemainder = 0;

    HFONT listFont = nullptr;
    HFONT previewFont = nullptr;
    win32::CreatedDc measureDc{CreateCompatibleDC(nullptr)};
    int lineHeight = 18;
    int previewLineHeight = 14;
    int measuredWidth = -1;
    bool previewShown = false;
    int previewMaxLines = 40;
    COLORREF background = CLR_INVALID;

    int updateDepth = 0;
    bool inLayout = false;
    bool dragArmed = false;
    bool dragging = false;
    POINT dragStart{};
    // A press on a selected row keeps the selection for a drag; the click happens at the release
    // when no drag came of it.
    int deferredClick = -1;
};

// Distances of the drawing, shared by measuring and painting so that they agree.
constexpr int CellPaddingX = 4;
constexpr int PreviewIndent = 16;
constexpr int PreviewPaddingY = 2;
constexpr COLORREF HeaderTextColour = RGB(0, 0, 128);
constexpr UINT HeaderOrderMessage = WM_APP + 1;

} // namespace cobwen
