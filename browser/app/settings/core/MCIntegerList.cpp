#include "browser/app/settings/core/MCIntegerList.h"

#include <algorithm>
#include <stdexcept>

namespace cobwen {

void TMCIntegerList::Add(std::int32_t value) {
    if (!Contains(value))
        items_.push_back(value);
}

int TMCIntegerList::IndexOf(std::int32_t value) const {
    const auto found = std::find(items_.begin(), items_.end(), value);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TMCIntegerList::Remove(std::int32_t value) {
    const int index = IndexOf(value);
    if (index >= 0)
        Delete(index);
}

void TMCIntegerList::Delete(int index) {
    if (index < 0 || index >= Count())
        throw std::out_of_range("TMCIntegerList::Delete: index out of range");
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace cobwen
