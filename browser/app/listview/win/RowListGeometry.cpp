// Fonts, heights, scrolling and the placing of the header: everything that decides where a row is.
#include "browser/app/listview/win/RowListState.h"

#include <algorithm>
#include <commctrl.h>

namespace cobwen {
namespace {

HFONT Effective(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int FontHeight(HDC dc, HFONT font) {
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    return std::max<int>(metrics.tmHeight, 1);
}

} // namespace

int RowList::State::ViewHeight() const {
    RECT client{};
    if (window)
        GetClientRect(window, &client);
    return std::max(static_cast<int>(client.bottom) - headerHeight, 0);
}

int RowList::State::ClientWidth() const {
    RECT client{};
    if (window)
        GetClientRect(window, &client);
    return client.right;
}

int RowList::State::TotalWidth() const {
    int width = 0;
    for (const auto& column : columns)
        if (column.Visible)
            width += column.Width;
    return width;
}

void RowList::State::UpdateFontMetrics() {
    lineHeight = FontHeight(measureDc.Get(), Effective(listFont)) + 4;
    previewLineHeight =
        FontHeight(measureDc.Get(), Effective(previewFont ? previewFont : listFont));
    if (header)
        SendMessageW(header, WM_SETFONT, reinterpret_cast<WPARAM>(Effective(listFont)), TRUE);
    InvalidateHeights();
}

void RowList::State::InvalidateHeights() {
    measuredWidth = ClientWidth();
    heights.Invalidate(static_cast<int>(rows.size()));
}

int RowList::State::MeasureRow(int position) {
    if (!previewShown)
        return lineHeight;
    const std::wstring text = owner.PreviewText(rows[position]);
    if (text.empty())
        return lineHeight;
    const int width = std::max(measuredWidth - PreviewIndent - CellPaddingX, 8);
    RECT bounds{0, 0, width, 0};
    const win32::SelectGuard font(measureDc.Get(), Effective(previewFont ? previewFont : listFont));
    DrawTextW(measureDc.Get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
    const int lines = std::clamp<int>((bounds.bottom + previewLineHeight - 1) / previewLineHeight,
                                      1, previewMaxLines);
    return lineHeight + lines * previewLineHeight + 2 * PreviewPaddingY;
}

void RowList::State::SetTop(int position) {
    const int last = heights.LastTop(ViewHeight());
    const int clamped = std::clamp(position, 0, std::max(last, 0));
    if (clamped == top)
        return;
    top = clamped;
    UpdateScrollBars();
    Invalidate();
}

void RowList::State::ScrollIntoView(int position) {
    if (position < 0 || position >= static_cast<int>(rows.size()))
        return;
    SetTop(heights.TopShowing(position, top, ViewHeight()));
}

void RowList::State::SetScrollX(int x) {
    const int clamped = std::clamp(x, 0, std::max(TotalWidth() - ClientWidth(), 0));
    if (clamped == scrollX)
        return;
    scrollX = clamped;
    Layout();
    Invalidate();
}

void RowList::State::Layout() {
    if (!window || inLayout || updateDepth > 0)
        return;
    inLayout = true;
    // A scroll bar that appears or goes changes the client area: settle it in a few rounds.
    for (int round = 0; round < 3; ++round) {
        RECT client{};
        GetClientRect(window, &client);
        if (previewShown && client.right != measuredWidth)
            InvalidateHeights();
        scrollX =
            std::clamp(scrollX, 0, std::max(TotalWidth() - static_cast<int>(client.right), 0));
        if (header) {
            RECT area{0, 0, client.right + scrollX, client.bottom};
            WINDOWPOS placement{};
            HDLAYOUT headerLayout{&area, &placement};
            SendMessageW(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&headerLayout));
            headerHeight = placement.cy;
            SetWindowPos(header, nullptr, -scrollX, 0, client.right + scrollX, placement.cy,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        top = std::clamp(top, 0, std::max(heights.LastTop(ViewHeight()), 0));
        UpdateScrollBars();
        RECT after{};
        GetClientRect(window, &after);
        if (after.right == client.right && after.bottom == client.bottom)
            break;
    }
    inLayout = false;
}

void RowList::State::UpdateScrollBars() {
    if (!window || updateDepth > 0)
        return;
    const int count = static_cast<int>(rows.size());
    SCROLLINFO vertical{};
    vertical.cbSize = sizeof(vertical);
    vertical.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    const int last = heights.LastTop(ViewHeight());
    vertical.nMax = std::max(count - 1, 0);
    // With this page the bar's largest position is exactly the last useful top.
    vertical.nPage = static_cast<UINT>(std::max(count - last, 1));
    vertical.nPos = top;
    SetScrollInfo(window, SB_VERT, &vertical, TRUE);

    SCROLLINFO horizontal{};
    horizontal.cbSize = sizeof(horizontal);
    horizontal.fMask = SIF_ALL;
    horizontal.nMax = std::max(TotalWidth() - 1, 0);
    horizontal.nPage = static_cast<UINT>(std::max(ClientWidth(), 0));
    horizontal.nPos = scrollX;
    SetScrollInfo(window, SB_HORZ, &horizontal, TRUE);
}

void RowList::State::Invalidate() {
    if (window && updateDepth == 0)
        InvalidateRect(window, nullptr, FALSE);
}

void RowList::State::InvalidateRow(int position) {
    if (!window || updateDepth > 0 || position < 0 || position >= static_cast<int>(rows.size()))
        return;
    // Rows out of view need no painting, and measuring the way to a far one would cost.
    if (position < top || position > top + heights.FullyVisible(top, ViewHeight()))
        return;
    RECT row = RowRectangle(position);
    RECT client{};
    GetClientRect(window, &client);
    if (row.top >= client.bottom)
        return;
    row.left = 0;
    row.right = client.right;
    InvalidateRect(window, &row, FALSE);
}

RECT RowList::State::RowRectangle(int position) {
    if (position < 0 || position >= static_cast<int>(rows.size()))
        return {};
    const long long offset = heights.Offset(top, position);
    const int y =
        static_cast<int>(std::clamp<long long>(headerHeight + offset, -0x3fffffff, 0x3fffffff));
    return {-scrollX, y, std::max(TotalWidth() - scrollX, ClientWidth()),
            y + heights.Height(position)};
}

} // namespace cobwen
