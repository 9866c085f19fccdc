#include "browser/app/search/core/FilterPicker.h"

#include "browser/app/search/core/SearchMatches.h"

#include <utility>

namespace cobwen {

FilterPicker::FilterPicker(std::vector<std::string> values, int startIndex,
                           const TextLocale& locale)
    : values_(std::move(values)), locale_(locale) {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        result_.push_back({values_[i], static_cast<int>(i)});
    }
    Select(startIndex);
}

void FilterPicker::SetSearchText(std::string_view text) {
    text_ = text;
    Refill();
}

void FilterPicker::SetInner(bool inner) {
    inner_ = inner;
    Refill();
}

void FilterPicker::Refill() {
    result_.clear();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        if (SearchMatches(values_[i], text_, inner_, locale_)) {
            result_.push_back({values_[i], static_cast<int>(i)});
        }
    }
    // Clearing the list dropped its selection, so the first match is always the one offered.
    selected_ = result_.empty() ? -1 : 0;
}

void FilterPicker::Select(int resultIndex) {
    selected_ =
        resultIndex >= 0 && resultIndex < static_cast<int>(result_.size()) ? resultIndex : -1;
}

void FilterPicker::MoveUp() {
    if (selected_ > 0) {
        --selected_;
    } else if (selected_ < 0 && !result_.empty()) {
        selected_ = 0;
    }
}

void FilterPicker::MoveDown() {
    if (selected_ + 1 < static_cast<int>(result_.size())) {
        ++selected_;
    }
}

std::optional<int> FilterPicker::Accept() const {
    if (selected_ < 0) {
        return std::nullopt;
    }
    return result_[static_cast<std::size_t>(selected_)].SourcePosition;
}

} // namespace cobwen
