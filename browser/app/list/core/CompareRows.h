#pragma once

#include "browser/app/list/core/ListColumns.h"
#include "browser/app/list/core/SortDirection.h"
#include "browser/catalogue/core/CobwenData.h"

#include <optional>

namespace cobwen {

// The column a list is sorted by (none: the rows keep their order) and its direction.
struct ListSort {
    std::optional<ListColumn> Column;
    SortDirection Direction = SortDirection::Ascending;

    friend bool operator==(const ListSort&, const ListSort&) = default;
};

// How the catalogue list is sorted at start.
inline constexpr ListSort InitialCatalogueSort{ListColumn::ReleaseDate, SortDirection::Ascending};

// The order of two rows of either list: negative puts `a` before `b`. The release-date column
// compares whole days and treats a row without a date as equal to every row; the size column
// compares sizes; the other columns compare their texts byte by byte, case-sensitively. A missing
// record compares equal to everything.
int CompareRows(const TCobwenData* a, const TCobwenData* b, const ListSort& sort);

} // namespace cobwen
