#pragma once

#include <optional>
#include <string>
#include <vector>

namespace cobwen {

// What a list keeps of its columns between runs. Direction: 0 none, 1 ascending, 2 descending.
struct ListLayout {
    std::vector<int> Widths;
    std::vector<bool> Visible;
    std::vector<int> Order;
    int SortColumn = -1;
    int Direction = 0;
};

// Printable, so that it can be stored in an INI file or the registry as it is.
std::string EncodeLayout(const ListLayout& layout);
// Empty unless the text is a layout of exactly columnCount columns with sane values.
std::optional<ListLayout> DecodeLayout(const std::string& text, int columnCount);

} // namespace cobwen
