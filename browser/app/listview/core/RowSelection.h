#pragma once

#include <cstdint>
#include <vector>

namespace cobwen {

// Which row positions of a list are selected, the focused position and the anchor that Shift
// extends from. Platform-free so that the rules of clicks and keys are testable without a window.
// Every change bumps Generation(), so a caller can tell "changed" from "touched" and notify once.
class RowSelection {
public:
    void Reset(int rowCount);
    int RowCount() const { return static_cast<int>(selected_.size()); }

    int Focus() const { return focus_; }
    int Anchor() const { return anchor_; }
    int Count() const { return count_; }
    bool IsSelected(int position) const;
    unsigned Generation() const { return generation_; }

    // A click or a key that moves to position: plain selects only it, ctrl leaves the
    // selection alone (the caller toggles for a click), shift selects the range from the anchor
    // (keeping the rest with ctrl). Out-of-range positions are clamped; nothing happens
    // without rows.
    void MoveTo(int position, bool shift, bool ctrl);
    void Toggle(int position);
    void Select(int position);
    void SelectOnly(int position);
    void SelectAll();
    void Clear();
    void SetFocus(int position);
    void SetAnchor(int position);

    // After a sort: the row now at position i was at previousPosition[i].
    void Permute(const std::vector<int>& previousPosition);

private:
    void Set(int position, bool selected);
    void SelectRange(int from, int to);
    int Clamp(int position) const;

    std::vector<std::uint8_t> selected_;
    int count_ = 0;
    int focus_ = -1;
    int anchor_ = -1;
    unsigned generation_ = 0;
};

} // namespace cobwen
