#include "browser/app/listview/core/LayoutBytes.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace cobwen {
namespace {

constexpr const char* Magic = "RL1";
constexpr int MaxWidth = 100000;

template <typename T> std::string Joined(const std::vector<T>& values) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0)
            text += ',';
        text += std::to_string(static_cast<int>(values[i]));
    }
    return text;
}

// "key=1,2,3" with exactly the key given; no spaces, no signs other than a leading minus.
std::optional<std::vector<int>> Numbers(const std::string& field, const char* key) {
    const std::string prefix = std::string(key) + "=";
    if (field.compare(0, prefix.size(), prefix) != 0)
        return std::nullopt;
    std::vector<int> numbers;
    const char* p = field.data() + prefix.size();
    const char* const end = field.data() + field.size();
    while (p < end) {
        int value = 0;
        const auto [next, error] = std::from_chars(p, end, value);
        if (error != std::errc() || next == p)
            return std::nullopt;
        numbers.push_back(value);
        p = next;
        if (p < end && *p++ != ',')
            return std::nullopt;
        if (p == end && *(p - 1) == ',')
            return std::nullopt;
    }
    return numbers;
}

} // namespace

std::string EncodeLayout(const ListLayout& layout) {
    return std::string(Magic) + " w=" + Joined(layout.Widths) + " v=" + Joined(layout.Visible) +
           " o=" + Joined(layout.Order) + " s=" + std::to_string(layout.SortColumn) + "," +
           std::to_string(layout.Direction);
}

std::optional<ListLayout> DecodeLayout(const std::string& text, int columnCount) {
    std::istringstream fields(text);
    std::string magic, widthField, visibleField, orderField, sortField, rest;
    if (!(fields >> magic >> widthField >> visibleField >> orderField >> sortField) ||
        (fields >> rest) || magic != Magic)
        return std::nullopt;
    const auto widths = Numbers(widthField, "w");
    const auto visible = Numbers(visibleField, "v");
    const auto order = Numbers(orderField, "o");
    const auto sort = Numbers(sortField, "s");
    const auto count = static_cast<std::size_t>(columnCount);
    if (!widths || !visible || !order || !sort || widths->size() != count ||
        visible->size() != count || order->size() != count || sort->size() != 2)
        return std::nullopt;
    if (std::any_of(widths->begin(), widths->end(),
                    [](int width) { return width < 0 || width > MaxWidth; }) ||
        std::any_of(visible->begin(), visible->end(),
                    [](int flag) { return flag != 0 && flag != 1; }))
        return std::nullopt;
    std::vector<int> sorted = *order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < columnCount; ++i)
        if (sorted[i] != i)
            return std::nullopt;
    const int sortColumn = (*sort)[0], direction = (*sort)[1];
    if (sortColumn < -1 || sortColumn >= columnCount || direction < 0 || direction > 2)
        return std::nullopt;

    ListLayout layout;
    layout.Widths = *widths;
    for (int flag : *visible)
        layout.Visible.push_back(flag == 1);
    layout.Order = *order;
    layout.SortColumn = sortColumn;
    layout.Direction = direction;
    return layout;
}

} // namespace cobwen
