#include "browser/app/listview/core/RowHeights.h"

#include <algorithm>

namespace cobwen {

void RowHeights::Invalidate(int count) {
    cache_.assign(static_cast<std::size_t>(std::max(count, 0)), 0);
}

int RowHeights::Height(int position) {
    if (position < 0 || position >= Count())
        return 0;
    int& height = cache_[position];
    if (height == 0)
        height = std::max(1, measure_(position));
    return height;
}

int RowHeights::LastTop(int viewHeight) {
    int used = 0;
    for (int position = Count() - 1; position >= 0; --position) {
        used += Height(position);
        if (used > viewHeight)
            return std::min(position + 1, Count() - 1);
    }
    return 0;
}

int RowHeights::FullyVisible(int top, int viewHeight) {
    int used = 0, rows = 0;
    for (int position = std::max(top, 0); position < Count(); ++position) {
        used += Height(position);
        if (used > viewHeight)
            break;
        ++rows;
    }
    return Count() > 0 ? std::max(rows, 1) : 0;
}

int RowHeights::TopShowing(int position, int top, int viewHeight) {
    if (position < 0 || position >= Count())
        return top;
    if (position <= top)
        return position;
    if (position < top + FullyVisible(top, viewHeight))
        return top;
    // Walk up from the row until the view is full; the row then sits at the bottom.
    int used = Height(position), first = position;
    while (first > 0 && used + Height(first - 1) <= viewHeight)
        used += Height(--first);
    return first;
}

long long RowHeights::Offset(int top, int position) {
    long long offset = 0;
    for (int i = top; i < position; ++i)
        offset += Height(i);
    for (int i = position; i < top; ++i)
        offset -= Height(i);
    return offset;
}

int RowHeights::PositionAt(int top, int y) {
    if (y < 0)
        return -1;
    int bottom = 0;
    for (int position = std::max(top, 0); position < Count(); ++position) {
        bottom += Height(position);
        if (y < bottom)
            return position;
    }
    return -1;
}

} // namespace cobwen
