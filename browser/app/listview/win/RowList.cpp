#include "browser/app/listview/win/RowList.h"

#include "browser/app/listview/core/LayoutBytes.h"
#include "browser/app/listview/win/RowListState.h"

#include <algorithm>
#include <commctrl.h>
#include <numeric>

namespace cobwen {

HWND CreateRowListWindow(HWND parent, int controlId, RowList::State& state);

RowList::State::State(RowList& self, RowListOwner& rowOwner)
    : list(self), owner(rowOwner), heights([this](int position) { return MeasureRow(position); }) {
}

void RowList::State::Notify(const Snapshot& before) {
    if (FocusData() != before.FocusData)
        owner.FocusedRowChanged(list);
    if (selection.Generation() != before.Generation)
        owner.SelectionCountChanged(list);
}

int RowList::State::FocusData() const {
    const int focus = selection.Focus();
    return focus >= 0 && focus < static_cast<int>(rows.size()) ? rows[focus] : -1;
}

void RowList::State::SortRows() {
    const int count = static_cast<int>(rows.size());
    std::vector<int> previous(static_cast<std::size_t>(count));
    std::iota(previous.begin(), previous.end(), 0);
    if (sortColumn >= 0 && direction != SortDirection::None) {
        // Stable: rows the owner calls equal keep the order they came in, and a comparison that
        // is not a strict weak order cannot make the merge read outside the vector.
        std::stable_sort(previous.begin(), previous.end(), [this](int a, int b) {
            return owner.CompareRows(rows[a], rows[b], sortColumn, direction) < 0;
        });
    } else {
        std::sort(previous.begin(), previous.end(),
                  [this](int a, int b) { return origin[a] < origin[b]; });
    }
    std::vector<int> sortedRows(rows.size()), sortedOrigin(rows.size());
    for (int i = 0; i < count; ++i) {
        sortedRows[i] = rows[previous[i]];
        sortedOrigin[i] = origin[previous[i]];
    }
    rows = std::move(sortedRows);
    origin = std::move(sortedOrigin);
    selection.Permute(previous);
    InvalidateHeights();
}

RowList::RowList(HWND parent, int controlId, RowListOwner& owner)
    : state_(std::make_unique<State>(*this, owner)) {
    CreateRowListWindow(parent, controlId, *state_);
}

RowList::~RowList() {
    if (state_->window)
        DestroyWindow(state_->window);
}

HWND RowList::Window() const {
    return state_->window;
}

HWND RowList::Header() const {
    return state_->header;
}

void RowList::SetColumns(std::vector<RowListColumn> columns) {
    auto& s = *state_;
    s.columns = std::move(columns);
    s.order.resize(s.columns.size());
    std::iota(s.order.begin(), s.order.end(), 0);
    if (s.sortColumn >= static_cast<int>(s.columns.size())) {
        s.sortColumn = -1;
        s.direction = SortDirection::None;
    }
    s.RebuildHeader();
    s.Layout();
    s.Invalidate();
}

const std::vector<RowListColumn>& RowList::Columns() const {
    return state_->columns;
}

std::vector<int> RowList::ColumnOrder() const {
    return state_->order;
}

void RowList::SetColumnOrder(const std::vector<int>& order) {
    auto& s = *state_;
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i)
        if (sorted[i] != static_cast<int>(i))
            return;
    if (sorted.size() != s.columns.size())
        return;
    s.order = order;
    s.RebuildHeader();
    s.Invalidate();
}

void RowList::SetColumnVisible(int column, bool visible) {
    auto& s = *state_;
    if (column < 0 || column >= static_cast<int>(s.columns.size()) ||
        s.columns[column].Visible == visible)
        return;
    s.columns[column].Visible = visible;
    s.RebuildHeader();
    s.Layout();
    s.Invalidate();
}

void RowList::SetSort(int column, SortDirection direction) {
    auto& s = *state_;
    if (column < 0 || column >= static_cast<int>(s.columns.size()) ||
        direction == SortDirection::None) {
        column = -1;
        direction = SortDirection::None;
    }
    s.sortColumn = column;
    s.direction = direction;
    s.UpdateSortArrows();
    Sort();
}

int RowList::SortColumn() const {
    return state_->sortColumn;
}

SortDirection RowList::Direction() const {
    return state_->direction;
}

void RowList::SetRows(std::vector<int> data) {
    auto& s = *state_;
    const auto before = s.Take();
    s.rows = std::move(data);
    s.origin.resize(s.rows.size());
    std::iota(s.origin.begin(), s.origin.end(), 0);
    s.selection.Reset(static_cast<int>(s.rows.size()));
    s.top = 0;
    s.SortRows();
    s.Layout();
    s.Invalidate();
    s.Notify(before);
}

void RowList::Sort() {
    auto& s = *state_;
    const auto before = s.Take();
    s.SortRows();
    s.Layout();
    s.ScrollIntoView(s.selection.Focus());
    s.Invalidate();
    s.Notify(before);
}

int RowList::RowCount() const {
    return static_cast<int>(state_->rows.size());
}

int RowList::RowData(int position) const {
    const auto& rows = state_->rows;
    return position >= 0 && position < static_cast<int>(rows.size()) ? rows[position] : -1;
}

int RowList::FocusedData() const {
    return state_->FocusData();
}

int RowList::FocusedPosition() const {
    return state_->selection.Focus();
}

bool RowList::Locate(int data, bool select) {
    auto& s = *state_;
    const auto found = std::find(s.rows.begin(), s.rows.end(), data);
    if (data == -1 || found == s.rows.end())
        return false;
    const int position = static_cast<int>(found - s.rows.begin());
    const auto before = s.Take();
    s.InvalidateRow(s.selection.Focus());
    if (select)
        s.selection.SelectOnly(position);
    s.selection.SetFocus(position);
    s.selection.SetAnchor(position);
    s.ScrollIntoView(position);
    if (select)
        s.Invalidate();
    else
        s.InvalidateRow(position);
    s.Notify(before);
    return true;
}

std::vector<int> RowList::SelectedData() const {
    const auto& s = *state_;
    std::vector<int> data;
    data.reserve(static_cast<std::size_t>(s.selection.Count()));
    for (int i = 0; i < RowCount() && static_cast<int>(data.size()) < s.selection.Count(); ++i)
        if (s.selection.IsSelected(i))
            data.push_back(s.rows[i]);
    return data;
}

int RowList::SelectedCount() const {
    return state_->selection.Count();
}

bool RowList::IsSelected(int position) const {
    return state_->selection.IsSelected(position);
}

void RowList::SelectAll() {
    auto& s = *state_;
    const auto before = s.Take();
    s.selection.SelectAll();
    s.Invalidate();
    s.Notify(before);
}

void RowList::SetFonts(HFONT listFont, HFONT previewFont) {
    auto& s = *state_;
    s.listFont = listFont;
    s.previewFont = previewFont;
    s.UpdateFontMetrics();
    s.Layout();
    s.Invalidate();
}

void RowList::SetPreview(bool shown, int maxLines) {
    auto& s = *state_;
    s.previewShown = shown;
    s.previewMaxLines = std::max(maxLines, 1);
    s.InvalidateHeights();
    s.Layout();
    s.ScrollIntoView(s.selection.Focus());
    s.Invalidate();
}

bool RowList::PreviewShown() const {
    return state_->previewShown;
}

void RowList::SetBackground(COLORREF colour) {
    state_->background = colour;
    state_->Invalidate();
}

void RowList::BeginUpdate() {
    ++state_->updateDepth;
}

void RowList::EndUpdate() {
    auto& s = *state_;
    if (s.updateDepth > 0 && --s.updateDepth == 0) {
        s.Layout();
        s.Invalidate();
    }
}

void RowList::Redraw() {
    state_->Invalidate();
}

RECT RowList::RowRect(int position) const {
    return state_->RowRectangle(position);
}

int RowList::TopPosition() const {
    return state_->top;
}

std::string RowList::SaveLayout() const {
    const auto& s = *state_;
    ListLayout layout;
    for (const auto& column : s.columns) {
        layout.Widths.push_back(column.Width);
        layout.Visible.push_back(column.Visible);
    }
    layout.Order = s.order;
    layout.SortColumn = s.sortColumn;
    layout.Direction = static_cast<int>(s.direction);
    return EncodeLayout(layout);
}

bool RowList::RestoreLayout(const std::string& bytes) {
    auto& s = *state_;
    const auto layout = DecodeLayout(bytes, static_cast<int>(s.columns.size()));
    if (!layout)
        return false;
    for (std::size_t i = 0; i < s.columns.size(); ++i) {
        s.columns[i].Width = layout->Widths[i];
        s.columns[i].Visible = layout->Visible[i];
    }
    s.order = layout->Order;
    s.RebuildHeader();
    SetSort(layout->SortColumn, static_cast<SortDirection>(layout->Direction));
    return true;
}

} // namespace cobwen
