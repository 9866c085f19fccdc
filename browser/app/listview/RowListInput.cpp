// Mouse, keyboard and scroll-bar input.
#include "app/listview/RowListState.h"

#include <algorithm>

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

void RowList::State::VerticalScroll(int request) {
    const int page = std::max(heights.FullyVisible(top, ViewHeight()) - 1, 1);
    switch (request) {
    case SB_LINEUP:
        SetTop(top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(top + 1);
        break;
    case SB_PAGEUP:
        SetTop(top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(top + page);
        break;
    case SB_TOP:
        SetTop(0);
        break;
    case SB_BOTTOM:
        SetTop(static_cast<int>(rows.size()));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window, SB_VERT, &info);
        SetTop(info.nTrackPos);
        break;
    }
    default:
        break;
    }
}

void RowList::State::HorizontalScroll(int request) {
    const int page = std::max(ClientWidth() - lineHeight, lineHeight);
    switch (request) {
    case SB_LINELEFT:
        SetScrollX(scrollX - lineHeight);
        break;
    case SB_LINERIGHT:
        SetScrollX(scrollX + lineHeight);
        break;
    case SB_PAGELEFT:
        SetScrollX(scrollX - page);
        break;
    case SB_PAGERIGHT:
        SetScrollX(scrollX + page);
        break;
    case SB_LEFT:
        SetScrollX(0);
        break;
    case SB_RIGHT:
        SetScrollX(TotalWidth());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(window, SB_HORZ, &info);
        SetScrollX(info.nTrackPos);
        break;
    }
    default:
        break;
    }
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
