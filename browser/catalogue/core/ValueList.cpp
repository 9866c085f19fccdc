#include "browser/catalogue/core/ValueList.h"

#include "browser/catalogue/core/TextLocale.h"

#include <algorithm>

namespace cobwen {

void ValueList::Add(std::string_view value) {
    const auto at = std::lower_bound(items_.begin(), items_.end(), value,
                                     [this](const std::string& item, std::string_view v) {
                                         return locale_->CompareText(item, v) < 0;
                                     });
    if (at != items_.end() && locale_->CompareText(*at, value) == 0) {
        return;
    }
    items_.insert(at, std::string(value));
}

int ValueList::IndexOf(std::string_view value) const {
    const auto at = std::lower_bound(items_.begin(), items_.end(), value,
                                     [this](const std::string& item, std::string_view v) {
                                         return locale_->CompareText(item, v) < 0;
                                     });
    if (at != items_.end() && locale_->CompareText(*at, value) == 0) {
        return static_cast<int>(at - items_.begin());
    }
    return -1;
}

} // namespace cobwen
