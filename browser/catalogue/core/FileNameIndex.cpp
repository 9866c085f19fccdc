#include "browser/catalogue/core/FileNameIndex.h"

#include <algorithm>
#include <numeric>

namespace cobwen {

FileNameIndex::FileNameIndex(const std::vector<std::string>& urls) {
    const std::size_t count = urls.size();
    std::vector<std::string> reversed(count);
    for (std::size_t i = 0; i < count; ++i)
        reversed[i].assign(urls[i].rbegin(), urls[i].rend());
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&reversed](int a, int b) {
        const int compared =
            reversed[static_cast<std::size_t>(a)].compare(reversed[static_cast<std::size_t>(b)]);
        return compared != 0 ? compared < 0 : a < b;
    });
    reversed_.reserve(count);
    for (const int position : order)
        reversed_.push_back(std::move(reversed[static_cast<std::size_t>(position)]));
    positions_ = std::move(order);

    minimum_.push_back(positions_);
    for (std::size_t width = 2; width <= count; width *= 2) {
        const std::vector<int>& previous = minimum_.back();
        std::vector<int> level(count - width + 1);
        for (std::size_t i = 0; i < level.size(); ++i)
            level[i] = std::min(previous[i], previous[i + width / 2]);
        minimum_.push_back(std::move(level));
    }
}

int FileNameIndex::Find(std::string_view name) const {
    if (name.empty() || reversed_.empty())
        return -1;
    const std::string key(name.rbegin(), name.rend());
    const auto first = std::lower_bound(reversed_.begin(), reversed_.end(), key);
    const auto last =
        std::partition_point(first, reversed_.end(), [&key](const std::string& entry) {
            return entry.compare(0, key.size(), key) == 0;
        });
    if (first == last)
        return -1;
    const auto begin = static_cast<std::size_t>(first - reversed_.begin());
    const auto length = static_cast<std::size_t>(last - first);
    std::size_t level = 0;
    while ((std::size_t{2} << level) <= length)
        ++level;
    const std::vector<int>& minimum = minimum_[level];
    return std::min(minimum[begin], minimum[begin + length - (std::size_t{1} << level)]);
}

int FileNameIndex::FindByWalk(const std::vector<std::string>& urls, std::string_view name) {
    if (name.empty())
        return -1;
    for (std::size_t i = 0; i < urls.size(); ++i)
        if (urls[i].ends_with(name))
            return static_cast<int>(i);
    return -1;
}

} // namespace cobwen
