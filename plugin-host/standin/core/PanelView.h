#pragma once

// Draws the panels of the interactive host: a plug-in's panel or a file panel in an area of the
// screen (the left or right half, or the whole width), with the title in the frame, the columns of
// the current view mode with their titles, the items from the top item on with the cursor (on the
// active panel) and the selection, and a status line for the current item; below them the key
// bar of the plain, Ctrl, Alt or Shift row.

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/HostTexts.h"
#include "plugin-host/standin/core/PluginPanel.h"
#include "plugin-host/standin/core/VirtualScreen.h"

#include <string>
#include <vector>

namespace ulvar::standin {

struct PanelColumn {
    std::string type; // "N", "S", "C0".."C9", "Z", "O", ...
    int width = 0;
    std::string title;
};

// The columns of a view mode laid out across width characters (including a separator between
// neighbours): widths of 0 share what the others leave.
std::vector<PanelColumn> LayoutColumns(const std::string& types, const std::string& widths,
                                       const std::vector<std::string>* titles, int width);
std::vector<PanelColumn> LayoutColumns(const std::string& types, const std::string& widths,
                                       const std::vector<std::string>* titles, int width,
                                       const HostTexts& texts);
// What an item shows in a column.
std::string ColumnText(const PanelItem& item, const std::string& type);
std::string ColumnText(const PanelItem& item, const std::string& type, const HostTexts& texts);
// The rows of items a screen of that height shows.
int PanelRows(int screenHeight);

// Where a panel is drawn: columns x .. x + width - 1, every row but the key bar's.
struct PanelArea {
    int x = 0;
    int width = 0;
    bool active = true;
};
// The areas of the two sides; one panel alone (the other hidden) takes the whole width.
PanelArea SideArea(int screenWidth, int side, bool active, bool alone = false);

void DrawPanel(VirtualScreen& screen, const PluginPanel& panel, PanelArea area,
               const HostTexts& texts);
// title: the folder as the interface spells it.
void DrawFilePanel(VirtualScreen& screen, const FilePanel& panel, const std::string& title,
                   PanelArea area, const HostTexts& texts);
// The information panel: the host's lines about the panel beside it (kind, folder, items) and a
// plug-in's own information lines (separators titled by their text) when that panel is one.
void DrawInfoPanel(VirtualScreen& screen, const PluginPanel* beside, const std::string& folder,
                   int itemCount, PanelArea area, const HostTexts& texts);
// Whether the plug-in's current view mode asks for the whole screen.
bool WantsFullScreen(const PluginPanel& panel);
// The key bar on the last row: the host's labels of that row (PanelDescription::KeyRow), where a
// plug-in's panel is given, its own labels over them (a missing one leaves the host's, an empty
// one blanks it).
void DrawKeyBar(VirtualScreen& screen, const PanelDescription* description, int row,
                const HostTexts& texts);
// The whole screen for one plug-in panel with the plain key bar, in English.
void DrawPanel(VirtualScreen& screen, const PluginPanel& panel);

} // namespace ulvar::standin
