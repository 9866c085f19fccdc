#pragma once

// Finding a panel's rows again in a new listing. A name alone does not tell rows apart when
// several share it (a connection table names every row by its protocol): among equal names a row
// is the one with the same column texts (the first, second ... of those), and when the texts
// changed, the one at the same place among the rows of its name.

#include "ulvar/Plugin.h"

#include <string>
#include <vector>

namespace ulvar::standin {

struct RowKey {
    std::string name;
    std::string texts;    // the custom column texts
    int nameOrdinal = 0;  // rows of the same name before this one
    int textsOrdinal = 0; // rows of the same name and texts before this one
};

// The keys of rows in the order they are shown.
std::vector<RowKey> RowKeys(const std::vector<const PanelItem*>& rows);
// The index in keys of the row wanted stands for, or -1.
int FindRow(const std::vector<RowKey>& keys, const RowKey& wanted);

} // namespace ulvar::standin
