#pragma once

namespace cobwen {

// How a list column is sorted; shared by the ordering rules and the list control.
enum class SortDirection { None, Ascending, Descending };

} // namespace cobwen
