#include "browser/app/list/core/FilterKeys.h"

namespace cobwen {

std::optional<Filter> FilterOfDigitKey(int digit) {
    if (digit < 1 || digit > 7 || digit == static_cast<int>(Filter::Name)) {
        return std::nullopt;
    }
    return static_cast<Filter>(digit);
}

std::optional<DropDownStep> StepDropDown(int itemCount, int selected, bool enabled, bool shift) {
    if (itemCount <= 0) {
        return std::nullopt;
    }
    DropDownStep step;
    step.Enable = !enabled;
    const bool none = selected < 0 || selected >= itemCount;
    if (shift) {
        step.NewIndex = none || selected == 0 ? itemCount - 1 : selected - 1;
    } else {
        step.NewIndex = none || selected == itemCount - 1 ? 0 : selected + 1;
    }
    return step;
}

} // namespace cobwen
