#include "plugins/services/core/ViewModes.h"

#include "plugins/services/core/Messages.h"

#include <optional>

namespace sentrel {

namespace {

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::vector<std::string> Split(std::string_view text, char delimiter) {
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(delimiter, start);
        parts.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return parts;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string joined;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            joined += ',';
        joined += parts[i];
    }
    return joined;
}

// A name column in the host's notation: "N" with modifier letters after it.
bool IsNameColumn(std::string_view type) {
    if (type.empty() || type[0] != 'N')
        return false;
    for (char c : type.substr(1))
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

// The positions of the last C2 and the last name column.
void FindSwapColumns(const std::vector<std::string>& columns, std::optional<std::size_t>& c2,
                     std::optional<std::size_t>& name) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == "C2")
            c2 = i;
        else if (IsNameColumn(columns[i]))
            name = i;
    }
}

bool Swaps(const std::optional<std::size_t>& c2, const std::optional<std::size_t>& name) {
    return c2 && (!name || *c2 < *name);
}

} // namespace

std::string_view Variant(std::string_view text, bool descriptionsSupported) {
    const std::size_t bar = text.find('|');
    if (bar == std::string_view::npos)
        return text;
    return descriptionsSupported ? text.substr(bar + 1) : text.substr(0, bar);
}

int ColumnTitleMessage(std::string_view type, bool drivers) {
    if (type == "C0")
        return msg::TitleC0;
    if (type == "C1")
        return msg::TitleC1;
    if (type == "C2")
        return msg::TitleC2;
    if (type == "C3")
        return msg::TitleC3;
    if (type == "C4")
        return msg::TitleC4;
    if (IsNameColumn(type))
        return msg::TitleName;
    if (type == "D")
        return msg::TitleDate;
    if (type == "L")
        return msg::TitleLinks;
    if (type == "O")
        return drivers ? msg::TitleOwnerServices + 1 : msg::TitleOwnerServices;
    if (type == "Z")
        return msg::TitleDescription;
    return -1;
}

bool IsSwappedColumns(std::string_view types) {
    std::optional<std::size_t> c2, name;
    FindSwapColumns(Split(types, ','), c2, name);
    return Swaps(c2, name);
}

std::vector<const char*> ViewModes::TitlePointers(int mode) const {
    std::vector<const char*> pointers;
    const std::size_t first = firstTitle[static_cast<std::size_t>(mode)];
    for (std::size_t i = 0; i < titleCount[static_cast<std::size_t>(mode)]; ++i)
        pointers.push_back(titles[first + i].c_str());
    return pointers;
}

ViewModes BuildViewModes(const ViewModeTexts& texts, bool descriptionsSupported, bool drivers,
                         const std::function<std::string(int)>& title) {
    ViewModes modes;
    const auto typeWords = Words(texts.columnTypes);
    const auto widthWords = Words(texts.columnWidths);
    for (std::size_t mode = 0; mode < modes.types.size(); ++mode) {
        if (mode < typeWords.size())
            modes.types[mode] = Variant(typeWords[mode], descriptionsSupported);
        if (mode < widthWords.size())
            modes.widths[mode] = Variant(widthWords[mode], descriptionsSupported);

        std::vector<std::string> columns = Split(modes.types[mode], ',');
        modes.firstTitle[mode] = modes.titles.size();
        for (const std::string& column : columns) {
            if (modes.titles.size() >= MaxColumnTitles)
                break;
            const int number = ColumnTitleMessage(column, drivers);
            modes.titles.push_back(number < 0 ? "???" : title(number));
            ++modes.titleCount[mode];
        }
        // A mode whose columns did not all get a title shows none of its own.
        if (modes.titleCount[mode] < columns.size()) {
            modes.titles.resize(modes.firstTitle[mode]);
            modes.titleCount[mode] = 0;
        }

        std::optional<std::size_t> c2, name;
        FindSwapColumns(columns, c2, name);
        if (Swaps(c2, name)) {
            if (name) {
                columns[*c2] = "N" + columns[*name].substr(1);
                columns[*name] = "C2";
            } else {
                columns[*c2] = "N";
            }
            modes.types[mode] = Join(columns);
            modes.swapped[mode] = true;
        }
    }
    for (const std::string& digit : Split(texts.fullScreen, ',')) {
        const auto word = Words(digit);
        if (word.size() == 1 && word[0].size() == 1 && word[0][0] >= '0' && word[0][0] <= '9')
            modes.fullScreen[static_cast<std::size_t>(word[0][0] - '0')] = true;
    }
    return modes;
}

} // namespace sentrel
