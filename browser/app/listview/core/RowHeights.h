#pragma once

#include <functional>
#include <vector>

namespace cobwen {

// Row heights of a list whose rows may differ in height (a preview text under each row).
// A height is measured when a row is first needed and kept until Invalidate, so painting,
// scrolling and hit-testing touch only the rows around the visible ones, never all of them.
class RowHeights {
public:
    using Measure = std::function<int(int position)>;

    explicit RowHeights(Measure measure) : measure_(std::move(measure)) {}

    // Forgets every measured height; count is the new number of rows.
    void Invalidate(int count);
    int Count() const { return static_cast<int>(cache_.size()); }
    int Height(int position);

    // The first position a view of this height may start at so that it ends with the last row.
    int LastTop(int viewHeight);
    // Rows from top that fit whole into the view (at least 1 while a row exists).
    int FullyVisible(int top, int viewHeight);
    // The top that brings position into a view that now starts at top: unchanged when the row is
    // already whole in view, else the row becomes the first or, moving down, the last whole row.
    int TopShowing(int position, int top, int viewHeight);
    // Pixel offset of position's top relative to top's (negative above it).
    long long Offset(int top, int position);
    // The position at pixel y below top's row, or -1 beyond the last row.
    int PositionAt(int top, int y);

private:
    Measure measure_;
    std::vector<int> cache_;
};

} // namespace cobwen
