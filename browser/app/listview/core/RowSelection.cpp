#include "browser/app/listview/core/RowSelection.h"

#include <algorithm>

namespace cobwen {

void RowSelection::Reset(int rowCount) {
    if (count_ > 0)
        ++generation_;
    selected_.assign(static_cast<std::size_t>(std::max(rowCount, 0)), 0);
    count_ = 0;
    focus_ = -1;
    anchor_ = -1;
}

bool RowSelection::IsSelected(int position) const {
    return position >= 0 && position < RowCount() && selected_[position] != 0;
}

int RowSelection::Clamp(int position) const {
    return std::clamp(position, 0, RowCount() - 1);
}

void RowSelection::Set(int position, bool selected) {
    auto& flag = selected_[position];
    if ((flag != 0) == selected)
        return;
    flag = selected ? 1 : 0;
    count_ += selected ? 1 : -1;
    ++generation_;
}

void RowSelection::SelectRange(int from, int to) {
    if (from > to)
        std::swap(from, to);
    for (int i = from; i <= to; ++i)
        Set(i, true);
}

void RowSelection::MoveTo(int position, bool shift, bool ctrl) {
    if (RowCount() == 0)
        return;
    position = Clamp(position);
    if (shift) {
        const int anchor = anchor_ >= 0 ? anchor_ : (focus_ >= 0 ? focus_ : position);
        if (!ctrl) {
            // Only the range stays selected; clearing outside it alone keeps one notification.
            const int low = std::min(anchor, position), high = std::max(anchor, position);
            if (count_ > 0)
                for (int i = 0; i < RowCount(); ++i)
                    if (i < low || i > high)
                        Set(i, false);
        }
        SelectRange(anchor, position);
        anchor_ = anchor;
    } else {
        if (!ctrl)
            SelectOnly(position);
        anchor_ = position;
    }
    focus_ = position;
}

void RowSelection::Toggle(int position) {
    if (position < 0 || position >= RowCount())
        return;
    Set(position, selected_[position] == 0);
}

void RowSelection::Select(int position) {
    if (position >= 0 && position < RowCount())
        Set(position, true);
}

void RowSelection::SelectOnly(int position) {
    if (position < 0 || position >= RowCount())
        return;
    if (count_ > 0)
        for (int i = 0; i < RowCount(); ++i)
            if (i != position)
                Set(i, false);
    Set(position, true);
}

void RowSelection::SelectAll() {
    if (count_ == RowCount())
        return;
    std::fill(selected_.begin(), selected_.end(), 1);
    count_ = RowCount();
    ++generation_;
}

void RowSelection::Clear() {
    if (count_ == 0)
        return;
    std::fill(selected_.begin(), selected_.end(), 0);
    count_ = 0;
    ++generation_;
}

void RowSelection::SetFocus(int position) {
    focus_ = RowCount() == 0 || position < 0 ? -1 : Clamp(position);
}

void RowSelection::SetAnchor(int position) {
    anchor_ = RowCount() == 0 || position < 0 ? -1 : Clamp(position);
}

void RowSelection::Permute(const std::vector<int>& previousPosition) {
    if (static_cast<int>(previousPosition.size()) != RowCount())
        return;
    std::vector<std::uint8_t> moved(selected_.size());
    std::vector<int> newPosition(selected_.size());
    for (std::size_t i = 0; i < previousPosition.size(); ++i) {
        moved[i] = selected_[previousPosition[i]];
        newPosition[previousPosition[i]] = static_cast<int>(i);
    }
    selected_ = std::move(moved);
    if (focus_ >= 0)
        focus_ = newPosition[focus_];
    if (anchor_ >= 0)
        anchor_ = newPosition[anchor_];
}

} // namespace cobwen
