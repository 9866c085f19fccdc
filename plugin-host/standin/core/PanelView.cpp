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

std::string DefaultTitle(const std::string& type, const HostTexts& texts) {
    if (IsNameColumn(type))
        return texts.name;
    if (type == "S")
        return texts.size;
    if (type == "Z")
        return texts.description;
    if (type == "O")
        return texts.owner;
    return "";
}

std::string RightAligned(const std::string& text, int width) {
    if (static_cast<int>(text.size()) >= width)
        return text.substr(0, static_cast<std::size_t>(width));
    return std::string(static_cast<std::size_t>(width) - text.size(), ' ') + text;
}

int RowColour(bool cursor, bool selected) {
    return cursor ? (selected ? SelectedCursorColour : CursorColour)
                  : (selected ? SelectedColour : PanelColour);
}

// What the panels of both kinds show, for the one drawing function.
struct Shown {
    std::string title;
    std::vector<PanelColumn> columns;
    int count = 0;
    int top = 0;
    int current = 0;
    int selectedCount = 0;
};

template <typename ItemAt, typename IsSelectedAt>
void DrawShown(VirtualScreen& screen, const Shown& shown, PanelArea area, const HostTexts& texts,
               ItemAt itemAt, IsSelectedAt isSelected) {
    int const height = screen.Height();
    int const right = area.x + area.width - 1;
    DrawBox(screen, area.x, 0, right, height - 2, true, PanelColour, shown.title);
    int const rows = PanelRows(height);
    int x = area.x + 1;
    for (std::size_t c = 0; c < shown.columns.size(); ++c) {
        auto const& column = shown.columns[c];
        screen.Write(x, 1, TitleColour, Fit(column.title, column.width));
        for (int row = 0; row < rows; ++row) {
            int const index = shown.top + row;
            int const y = 2 + row;
            if (c + 1 < shown.columns.size())
                screen.Write(x + column.width, y, PanelColour, std::string(1, oem::SingleVertical));
            if (index >= shown.count)
                continue;
            std::string text = ColumnText(itemAt(index), column.type, texts);
            text = column.type == "S" ? RightAligned(text, column.width) : Fit(text, column.width);
            screen.Write(x, y, RowColour(area.active && index == shown.current, isSelected(index)),
                         text);
        }
        x += column.width + 1;
    }

    DrawSeparator(screen, area.x, right, height - 4, PanelColour);
    std::string status;
    if (shown.count > 0) {
        auto const& item = itemAt(shown.current);
        status = std::string(item.Data.FileName);
        if (!IsFolder(item))
            status += "  " + std::to_string(item.Data.FileSize);
    }
    screen.Write(area.x + 1, height - 3, PanelColour, Fit(status, area.width - 2));
    if (shown.selectedCount)
        screen.Write(area.x + 2, height - 2, SelectedColour,
                     Fit(" " + std::to_string(shown.selectedCount) + " " + texts.selected + " ",
                         area.width - 4));
}

} // namespace

int PanelRows(int screenHeight) {
    return std::max(screenHeight - 6, 1);
}

std::vector<PanelColumn> LayoutColumns(const std::string& types, const std::string& widths,
                                       const std::vector<std::string>* titles, int width) {
    return LayoutColumns(types, widths, titles, width, TextsFor("en"));
}

std::vector<PanelColumn> LayoutColumns(const std::string& types, const std::string& widths,
                                       const std::vector<std::string>* titles, int width,
                                       const HostTexts& texts) {
    std::vector<PanelColumn> columns;
    auto const typeList = Split(types.empty() ? "N" : types);
    auto const widthList = Split(widths);
    for (std::size_t i = 0; i < typeList.size(); ++i) {
        PanelColumn column;
        column.type = typeList[i];
        column.width = i < widthList.size() ? std::max(std::atoi(widthList[i].c_str()), 0) : 0;
        column.title =
            titles && i < titles->size() ? (*titles)[i] : DefaultTitle(column.type, texts);
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
    return ColumnText(item, type, TextsFor("en"));
}

std::string ColumnText(const PanelItem& item, const std::string& type, const HostTexts& texts) {
    if (IsNameColumn(type))
        return item.Data.FileName;
    if (type == "S")
        return IsFolder(item) ? texts.folder : std::to_string(item.Data.FileSize);
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

PanelArea SideArea(int screenWidth, int side, bool active, bool alone) {
    if (alone)
        return {0, screenWidth, active};
    int const half = screenWidth / 2;
    return side == 0 ? PanelArea{0, half, active} : PanelArea{half, screenWidth - half, active};
}

void DrawPanel(VirtualScreen& screen, const PluginPanel& panel, PanelArea area,
               const HostTexts& texts) {
    auto const& description = panel.Description();
    Shown shown;
    shown.title = description.panelTitle.empty() ? description.curDir : description.panelTitle;
    auto const mode = static_cast<std::size_t>(panel.ViewMode());
    const std::vector<std::string>* titles = nullptr;
    if (mode < description.modes.size() && description.modes[mode].columnTitles)
        titles = &*description.modes[mode].columnTitles;
    shown.columns =
        LayoutColumns(panel.ColumnTypes(), panel.ColumnWidths(), titles, area.width - 2, texts);
    shown.count = panel.Count();
    shown.top = panel.Top();
    shown.current = panel.Current();
    shown.selectedCount = panel.SelectedCount();
    DrawShown(
        screen, shown, area, texts,
        [&](int index) -> const PanelItem& { return panel.Item(index); },
        [&](int index) { return panel.IsSelected(index); });
}

void DrawFilePanel(VirtualScreen& screen, const FilePanel& panel, const std::string& title,
                   PanelArea area, const HostTexts& texts) {
    Shown shown;
    shown.title = title;
    // Wide panels show the size beside the name.
    shown.columns = LayoutColumns(area.width >= 30 ? "N,S" : "N", area.width >= 30 ? "0,10" : "0",
                                  nullptr, area.width - 2, texts);
    shown.count = static_cast<int>(panel.items.size());
    int const rows = PanelRows(screen.Height());
    shown.current = std::clamp(panel.current, 0, std::max(shown.count - 1, 0));
    // The cursor stays on the page.
    shown.top = std::clamp(panel.top, std::max(shown.current - rows + 1, 0), shown.current);
    for (auto const& item : panel.items)
        if (item.Flags & ItemSelected)
            ++shown.selectedCount;
    DrawShown(
        screen, shown, area, texts,
        [&](int index) -> const PanelItem& { return panel.items[static_cast<std::size_t>(index)]; },
        [&](int index) {
            return (panel.items[static_cast<std::size_t>(index)].Flags & ItemSelected) != 0;
        });
}

void DrawInfoPanel(VirtualScreen& screen, const PluginPanel* beside, const std::string& folder,
                   int itemCount, PanelArea area, const HostTexts& texts) {
    int const height = screen.Height();
    int const right = area.x + area.width - 1;
    DrawBox(screen, area.x, 0, right, height - 2, true, PanelColour, texts.information);
    int y = 1;
    auto const line = [&](const std::string& text, const std::string& data) {
        if (y >= height - 2)
            return;
        int const width = area.width - 2;
        std::string const shown = Fit(text, width / 2);
        screen.Write(area.x + 1, y, PanelColour, shown);
        screen.Write(area.x + 1 + width / 2, y, TitleColour, Fit(data, width - width / 2));
        ++y;
    };
    line(texts.folder, folder);
    line(texts.items, std::to_string(itemCount));
    if (!beside)
        return;
    for (auto const& info : beside->Description().infoLines) {
        if (y >= height - 2)
            break;
        if (info.Separator) {
            DrawSeparator(screen, area.x, right, y, PanelColour, info.Text);
            ++y;
        } else {
            line(info.Text, info.Data);
        }
    }
}

bool WantsFullScreen(const PluginPanel& panel) {
    auto const& modes = panel.Description().modes;
    auto const mode = static_cast<std::size_t>(panel.ViewMode());
    return mode < modes.size() && modes[mode].fullScreen;
}

void DrawKeyBar(VirtualScreen& screen, const PanelDescription* description, int row,
                const HostTexts& texts) {
    int const width = screen.Width();
    int const height = screen.Height();
    auto const keyRow = static_cast<std::size_t>(std::clamp(row, 0, 3));
    int x = 0;
    int const slot = width / 10;
    for (std::size_t key = 0; key < 10; ++key) {
        std::string label = texts.keyBar[keyRow][key];
        if (description && description->hasKeyBar && description->keyBar[keyRow][key])
            label = *description->keyBar[keyRow][key];
        std::string const number = std::to_string(key + 1);
        screen.Write(x, height - 1, KeyNumberColour, number);
        screen.Write(x + static_cast<int>(number.size()), height - 1, KeyLabelColour,
                     Fit(label, slot - static_cast<int>(number.size())));
        x += slot;
    }
}

void DrawPanel(VirtualScreen& screen, const PluginPanel& panel) {
    auto const& texts = TextsFor("en");
    DrawPanel(screen, panel, PanelArea{0, screen.Width(), true}, texts);
    DrawKeyBar(screen, &panel.Description(), PanelDescription::Plain, texts);
}

} // namespace ulvar::standin
