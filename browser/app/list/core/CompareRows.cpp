#include "browser/app/list/core/CompareRows.h"

#include <cmath>
#include <string_view>

namespace cobwen {

namespace {

int Sign(long long value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// Byte-wise: a capital Z (0x5A) sorts before a small a (0x61).
int CompareBytes(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    return Sign(static_cast<long long>(a.size()) - static_cast<long long>(b.size()));
}

int CompareAscending(const TCobwenData& a, const TCobwenData& b, ListColumn column) {
    switch (column) {
    case ListColumn::ReleaseDate:
        if (a.Date <= 0 || b.Date <= 0) {
            return 0;
        }
        return static_cast<int>(std::trunc(a.Date) - std::trunc(b.Date));
    case ListColumn::Size:
        // The difference of two 32-bit sizes may not fit 32 bits; only its sign matters.
        return Sign(static_cast<long long>(a.Size) - b.Size);
    case ListColumn::Name:
        return CompareBytes(a.Name, b.Name);
    case ListColumn::Version:
        return CompareBytes(a.Version, b.Version);
    case ListColumn::Category:
        return CompareBytes(a.Category, b.Category);
    }
    return 0;
}

} // namespace

int CompareRows(const TCobwenData* a, const TCobwenData* b, const ListSort& sort) {
    if (!sort.Column || a == nullptr || b == nullptr) {
        return 0;
    }
    const int result = CompareAscending(*a, *b, *sort.Column);
    return sort.Direction == SortDirection::Descending ? -result : result;
}

} // namespace cobwen
