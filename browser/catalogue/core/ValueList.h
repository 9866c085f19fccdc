#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cobwen {

class TextLocale;

// A sorted list of distinct texts: ordered by the locale's case-insensitive comparison, and a text
// equal to one already present (ignoring case) is not added, so the first spelling stays.
class ValueList {
public:
    explicit ValueList(const TextLocale& locale) : locale_(&locale) {}

    void Add(std::string_view value);
    // Position of `value` (ignoring case), or -1.
    int IndexOf(std::string_view value) const;

    int Count() const { return static_cast<int>(items_.size()); }
    const std::string& operator[](int index) const { return items_.at(index); }
    const std::vector<std::string>& Items() const { return items_; }

private:
    const TextLocale* locale_;
    std::vector<std::string> items_;
};

} // namespace cobwen
