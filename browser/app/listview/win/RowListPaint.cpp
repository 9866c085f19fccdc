// Painting into an off-screen bitmap of the damaged area, copied in one go: no flicker however
// many cells a row has.
#include "browser/app/listview/win/RowListState.h"
#include "win32/Gdi.h"
#include "win32/Handle.h"

#include <algorithm>

namespace cobwen {
namespace {

void Fill(HDC dc, const RECT& area, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
}

COLORREF Pick(COLORREF wanted, COLORREF otherwise) {
    return wanted != CLR_INVALID ? wanted : otherwise;
}

HFONT Effective(HFONT font) {
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

bool Overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void RowList::State::Paint(HDC target, const RECT& area) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    const win32::CreatedDc memory(CreateCompatibleDC(target));
    const win32::BitmapObject bitmap(CreateCompatibleBitmap(target, width, height));
    if (!memory.Get() || !bitmap.Get())
        return;
    const HDC dc = memory.Get();
    win32::SelectGuard bitmapInDc(dc, bitmap.Get());
    // Draw in client coordinates; the bitmap holds only the damaged area.
    SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    SetBkMode(dc, TRANSPARENT);
    win32::SelectGuard font(dc, Effective(listFont));

    const COLORREF listBack = Pick(background, GetSysColor(COLOR_WINDOW));
    const COLORREF listText = GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    const COLORREF highlightText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    const bool focused = GetFocus() == window;
    RECT client{};
    GetClientRect(window, &client);
    const int rowRight = std::max<int>(TotalWidth() - scrollX, client.right);

    int y = headerHeight;
    const int count = static_cast<int>(rows.size());
    for (int position = top; position < count && y < area.bottom; ++position) {
        const int rowHeight = heights.Height(position);
        const RECT rowArea{0, y, client.right, y + rowHeight};
        if (Overlaps(rowArea, area)) {
            const int data = rows[position];
            const bool selected = selection.IsSelected(position);
            int x = -scrollX, columnPosition = 0;
            for (const int column : order) {
                const auto& definition = columns[column];
                if (!definition.Visible)
                    continue;
                const RECT cell{x, y, x + definition.Width, y + lineHeight};
                x += definition.Width;
                const int shownPosition = columnPosition++;
                if (!Overlaps(cell, area) || definition.Width <= 0)
                    continue;
                const CellColours colours =
                    owner.CellColour(data, position, shownPosition, selected);
                Fill(dc, cell, Pick(colours.Background, selected ? highlight : listBack));
                SetTextColor(dc, Pick(colours.Text, selected ? highlightText : listText));
                const std::wstring text = owner.CellText(data, column);
                RECT inner{cell.left + CellPaddingX, cell.top, cell.right - CellPaddingX,
                           cell.bottom};
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
                              (definition.RightAligned ? DT_RIGHT : DT_LEFT));
            }
            if (x < client.right)
                Fill(dc, RECT{x, y, client.right, y + lineHeight}, listBack);
            if (rowHeight > lineHeight) {
                const RECT previewArea{0, y + lineHeight, client.right, y + rowHeight};
                const CellColours colours = owner.PreviewColour(data, selected);
                Fill(dc, previewArea, Pick(colours.Background, selected ? highlight : listBack));
                SetTextColor(dc, Pick(colours.Text, selected ? highlightText : listText));
                const std::wstring text = owner.PreviewText(data);
                // The same width as measured, so the lines break where the height expects.
                RECT inner{PreviewIndent, previewArea.top + PreviewPaddingY,
                           PreviewIndent +
                               std::max(measuredWidth - PreviewIndent - CellPaddingX, 8),
                           previewArea.bottom - PreviewPaddingY};
                win32::SelectGuard previewFontInDc(dc,
                                                   Effective(previewFont ? previewFont : listFont));
                DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &inner,
                          DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS);
            }
            if (focused && position == selection.Focus()) {
                SetTextColor(dc, listText);
                SetBkColor(dc, listBack);
                const RECT focusArea{std::max(-scrollX, 0), y, rowRight, y + rowHeight};
                DrawFocusRect(dc, &focusArea);
            }
        }
        y += rowHeight;
    }
    if (y < area.bottom)
        Fill(dc, RECT{area.left, std::max<int>(y, area.top), area.right, area.bottom}, listBack);

    SetViewportOrgEx(dc, 0, 0, nullptr);
    BitBlt(target, area.left, area.top, width, height, dc, 0, 0, SRCCOPY);
}

} // namespace cobwen
