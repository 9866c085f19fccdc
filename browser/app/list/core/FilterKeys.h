#pragma once

#include "browser/app/list/core/FilterLists.h"

#include <optional>

namespace cobwen {

// The drop-down filter a digit key (1 to 7, alone or with Shift) steps; nothing for 4 (the name
// filter) and for any other digit.
std::optional<Filter> FilterOfDigitKey(int digit);

// What a digit key does to its drop-down.
struct DropDownStep {
    bool Enable = false; // the drop-down was disabled: enable it and check its check box first
    int NewIndex = -1;   // the item to select; then apply it as a value change
};

// Stepping a drop-down with `itemCount` values of which `selected` is selected (-1: none): nothing
// when it has no values; otherwise the next item (after the last the first) or, with Shift, the
// previous one (before the first, or when none is selected, the last).
std::optional<DropDownStep> StepDropDown(int itemCount, int selected, bool enabled, bool shift);

} // namespace cobwen
