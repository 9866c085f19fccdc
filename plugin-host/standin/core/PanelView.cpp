#include "plugin-host/standin/core/PanelView.h"

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace ulvar::standin {

namespace {

constexpr int PanelColour = 0x1B;
constexpr int TitleColour = 0x1E;
constexpr int SelectedColour = 0x1E;
constexpr int CursorColour = 0x30;
constexpr int SelectedCursorColour = 0x3E;
constexpr int KeyNumberColour = 0x07;
constexpr int KeyLabelColour = 0x30;

// Column lists may be written with blanks after the commas ("N, C0, C1").
std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, ',');) {
        auto const first = part.find_first_not_of(' ');
        auto const last = part.find_last_not_of(' ');
        parts.push_back(first == std::string::npos ? std::string()
                                                   : part.substr(first, last - first + 1));
    }
    return parts;
}

// The name column may carry modifiers after its letter ("NR", "NM").
bool IsNameColumn(const std::string& type) {
    return !type.empty() && type[0] == 'N';
}

std::string DefaultTitle(const std::string& type) {
    if (IsNameColumn(type))
        return "Name";
    if (type == "S")
        return "Size";
    if (type == "Z")
        return "Description";
    if (type == "O")
        return "Owner";
    return "";
}

std::string RightAligned(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width)
        return text.substr(0, static_cast<std::size_t>(width));
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

const char* const defaultKeyLabels[12] = {"Help", "", "View", "",     "", "",
                                          "",     "", "",     "Quit", "", ""};

} // namespace

int PanelRows(int screenHeight) {
    return std::max(screenHeight - 6, 1);
}

std::vector<PanelColumn> LayoutColumns(const std::string& types, const std::string& widths,
                                       const std::vector<std::string>* titles, int width) {
    std::vector<PanelColumn> columns;
    auto const typeList = Split(types.empty() ? "N" : types);
    auto const widthList = Split(widths);
    for (std::size_t i = 0; i < typeList.size(); ++i) {
        PanelColumn column;
        column.type = typeList[i];
        column.width = i < widthList.size() ? std::max(std::atoi(widthList[i].c_str()), 0) : 0;
        column.title = titles && i < titles->size() ? (*titles)[i] : DefaultTitle(column.type);
        columns.push_back(column);
    }
    int const separators = static_cast<int>(columns.size()) - 1;
    int fixed = 0, flexible = 0;
    for (auto const& column : columns)
        column.width ? fixed += column.width : ++flexible;
    int left = std::max(width - separators - fixed, 0);
    for (auto& column : columns) {
        if (column.width == 0) {
            column.width = left / flexible;
            left -= column.width;
            --flexible;
        }
    }
    // Fixed columns wider than the screen are cut from the right.
    int used = separators;
    for (auto& column : columns) {
        column.width = std::clamp(column.width, 0, std::max(width - used, 0));
        used += column.width;
    }
    return columns;
}

std::string ColumnText(const PanelItem& item, const std::string& type) {
    if (IsNameColumn(type))
        return item.Data.FileName;
    if (type == "S")
        return IsFolder(item) ? "Folder" : std::to_string(item.Data.FileSize);
    if (type == "Z")
        return item.Description ? item.Description : "";
    if (type == "O")
        return item.Owner ? item.Owner : "";
    if (type.size() == 2 && type[0] == 'C' && type[1] >= '0' && type[1] <= '9') {
        int const index = type[1] - '0';
        if (item.CustomColumnData && index < item.CustomColumnNumber &&
            item.CustomColumnData[index])
            return item.CustomColumnData[index];
    }
    return "";
}

void DrawPanel(VirtualScreen& screen, const PluginPanel& panel) {
    int const width = screen.Width();
    int const height = screen.Height();
    auto const& description = panel.Description();
    std::string const title =
        description.panelTitle.empty() ? description.curDir : description.panelTitle;
    DrawBox(screen, 0, 0, width - 1, height - 2, true, PanelColour, title);

    auto const mode = static_cast<std::size_t>(panel.ViewMode());
    const std::vector<std::string>* titles = nullptr;
    if (mode < description.modes.size() && description.modes[mode].columnTitles)
        titles = &*description.modes[mode].columnTitles;
    auto const columns =
        LayoutColumns(panel.ColumnTypes(), panel.ColumnWidths(), titles, width - 2);
    int const rows = PanelRows(height);
    int x = 1;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        auto const& column = columns[c];
        screen.Write(x, 1, TitleColour, Fit(column.title, column.width));
        for (int row = 0; row < rows; ++row) {
            int const index = panel.Top() + row;
            int const y = 2 + row;
            if (c + 1 < columns.size())
                screen.Write(x + column.width, y, PanelColour, std::string(1, oem::SingleVertical));
            if (index >= panel.Count())
                continue;
            std::string text = ColumnText(panel.Item(index), column.type);
            text = column.type == "S" ? RightAligned(text, column.width) : Fit(text, column.width);
            bool const selected = panel.IsSelected(index);
            int const colour = index == panel.Current()
                                   ? (selected ? SelectedCursorColour : CursorColour)
                                   : (selected ? SelectedColour : PanelColour);
            screen.Write(x, y, colour, text);
        }
        x += column.width + 1;
    }

    DrawSeparator(screen, 0, width - 1, height - 4, PanelColour);
    std::string status;
    if (panel.Count() > 0) {
        auto const& item = panel.Item(panel.Current());
        status = std::string(item.Data.FileName);
        if (!IsFolder(item))
            status += "  " + std::to_string(item.Data.FileSize);
    }
    screen.Write(1, height - 3, PanelColour, Fit(status, width - 2));
    if (int const selected = panel.SelectedCount())
        screen.Write(2, height - 2, SelectedColour, " " + std::to_string(selected) + " selected ");

    x = 0;
    int const slot = width / 10;
    for (int key = 0; key < 10; ++key) {
        std::string label = defaultKeyLabels[key];
        if (description.hasKeyBar && description.keyBar[PanelDescription::Plain][key])
            label = *description.keyBar[PanelDescription::Plain][key];
        std::string const number = std::to_string(key + 1);
        screen.Write(x, height - 1, KeyNumberColour, number);
        screen.Write(x + static_cast<int>(number.size()), height - 1, KeyLabelColour,
                     Fit(label, slot - static_cast<int>(number.size())));
        x += slot;
    }
}

} // namespace ulvar::standin
