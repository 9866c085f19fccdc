// Mouse, keyboard and scroll-bar input.
#include "browser/app/listview/win/RowListState.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace cobwen {
namespace {

bool Pressed(int key) {
    return GetKeyState(key) < 0;
}

} // namespace

int RowList::State::HitTest(int y) {
    if (y < headerHeight)
        return -1;
    return heights.PositionAt(top, y - headerHeight);
}

void RowList::State::Click(int position, bool shift, bool ctrl) {
    const auto before = Take();
    InvalidateRow(selection.Focus());
    selection.MoveTo(position, shift, ctrl);
    if (ctrl && !shift)
        selection.Toggle(selection.Focus());
    ScrollIntoView(selection.Focus());
    if (selection.Generation() != before.Generation)
        Invalidate();
    else
        InvalidateRow(selection.Focus());
    Notify(before);
}

void RowList::State::ArmDrag(POINT point, int position, bool deferred) {
    dragArmed = true;
    dragging = false;
    dragStart = point;
    deferredClick = deferred ? position : -1;
    SetCapture(window);
}

void RowList::State::DragMove(POINT point) {
    if (!dragArmed)
        return;
    if (!dragging) {
        const int dx = std::abs(point.x - dragStart.x), dy = std::abs(point.y - dragStart.y);
        if (dx < GetSystemMetrics(SM_CXDRAG) && dy < GetSystemMetrics(SM_CYDRAG))
            return;
        if (selection.Count() == 0) {
            CancelDrag();
            return;
        }
        dragging = true;
        deferredClick = -1;
    }
    POINT screen = point;
    ClientToScreen(window, &screen);
    const bool accepted = owner.AcceptsDrop(list, WindowFromPoint(screen));
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(accepted ? 32512 : 32648))); // arrow, no
}

void RowList::State::DragRelease(POINT point) {
    if (!dragArmed)
        return;
    const bool dropped = dragging;
    const int click = deferredClick;
    CancelDrag();
    if (dropped) {
        POINT screen = point;
        ClientToScreen(window, &screen);
        const HWND target = WindowFromPoint(screen);
        if (owner.AcceptsDrop(list, target))
            owner.RowsDropped(list, target);
    } else if (click >= 0 && click < static_cast<int>(rows.size())) {
        Click(click, false, false);
    }
}

void RowList::State::CancelDrag() {
    const bool captured = dragArmed && GetCapture() == window;
    dragArmed = false;
    dragging = false;
    deferredClick = -1;
    // Releasing sends WM_CAPTURECHANGED, which comes back here with nothing armed.
    if (captured)
        ReleaseCapture();
}

void RowList::State::MoveFocus(int position, bool shift, bool ctrl) {
    const auto before = Take();
    InvalidateRow(selection.Focus());
    selection.MoveTo(position, shift, ctrl);
    ScrollIntoView(selection.Focus());
    if (selection.Generation() != before.Generation)
        Invalidate();
    else
        InvalidateRow(selection.Focus());
    Notify(before);
}

bool RowList::State::KeyDown(WPARAM key) {
    const bool shift = Pressed(VK_SHIFT), ctrl = Pressed(VK_CONTROL);
    const int count = static_cast<int>(rows.size());
    const int focus = selection.Focus();
    // A page is what fits in the view less one row, so that one row stays in sight.
    const int page = std::max(heights.FullyVisible(top, ViewHeight()) - 1, 1);
    int target = -1;
    switch (key) {
    case VK_UP:
        target = focus < 0 ? 0 : focus - 1;
        break;
    case VK_DOWN:
        target = focus < 0 ? 0 : focus + 1;
        break;
    case VK_PRIOR:
        target = focus < 0 ? 0 : focus - page;
        break;
    case VK_NEXT:
        target = focus < 0 ? 0 : focus + page;
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    case VK_SPACE:
        if (focus >= 0) {
            const auto before = Take();
            if (ctrl)
                selection.Toggle(focus);
            else
                selection.Select(focus);
            selection.SetAnchor(focus);
            InvalidateRow(focus);
            Notify(before);
        }
        return true;
    case VK_RETURN:
        if (focus >= 0)
            owner.RowActivated(list);
        return true;
    case 'A':
        if (!ctrl || shift)
            return false;
        list.SelectAll();
        return true;
    case VK_LEFT:
        SetScrollX(scrollX - lineHeight);
        return true;
    case VK_RIGHT:
        SetScrollX(scrollX + lineHeight);
        return true;
    default:
        return false;
    }
    if (count > 0)
        MoveFocus(std::clamp(target, 0, count - 1), shift, ctrl);
    return true;
}

void RowList::State::Wheel(int delta) {
    UINT linesPerNotch = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &linesPerNotch, 0);
    wheelRemainder += delta;
    const int notches = wheelRemainder / WHEEL_DELTA;
    if (notches == 0)
        return;
    wheelRemainder -= notches * WHEEL_DELTA;
    const int rowsPerNotch = linesPerNotch == WHEEL_PAGESCROLL
                                 ? std::max(heights.FullyVisible(top, ViewHeight()) - 1, 1)
                                 : static_cast<int>(std::max<UINT>(linesPerNotch, 1));
    SetTop(top - notches * rowsPerNotch);
}

namespace {

// The position a scroll-bar request asks for, or nothing for requests that move nothing. Both bars
// share the request codes (SB_LINEUP is SB_LINELEFT, SB_TOP is SB_LEFT, ...).
std::optional<int> RequestedPosition(HWND window, int bar, int request, int current, int line,
                                     int page, int end) {
    switch (request) {
    case SB_LINEUP:
        return current - line;
    case SB_LINEDOWN:
        return current + line;
    case SB_PAGEUP:
        return current - page;
    case SB_PAGEDOWN:
        return current + page;
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return end;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window, bar, &info);
        return info.nTrackPos;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

void RowList::State::VerticalScroll(int request) {
    const int page = std::max(heights.FullyVisible(top, ViewHeight()) - 1, 1);
    if (const std::optional<int> position = RequestedPosition(window, SB_VERT, request, top, 1,
                                                              page, static_cast<int>(rows.size())))
        SetTop(*position);
}

void RowList::State::HorizontalScroll(int request) {
    const int page = std::max(ClientWidth() - lineHeight, lineHeight);
    if (const std::optional<int> position =
            RequestedPosition(window, SB_HORZ, request, scrollX, lineHeight, page, TotalWidth()))
        SetScrollX(*position);
}

POINT RowList::State::KeyboardMenuPoint() {
    // Under the focused row when it is in sight, else the list's top-left corner.
    POINT point{CellPaddingX, headerHeight};
    const int focus = selection.Focus();
    if (focus >= top && focus <= top + heights.FullyVisible(top, ViewHeight())) {
        const RECT row = RowRectangle(focus);
        point.y = std::min<int>(row.top + lineHeight, headerHeight + ViewHeight());
    }
    ClientToScreen(window, &point);
    return point;
}

} // namespace cobwen
