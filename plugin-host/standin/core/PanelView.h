#pragma once

// Draws a plug-in's panel over the whole screen for the interactive host: the title in the frame,
// the columns of the current view mode with their titles, the items from the top item on with the
// cursor and the selection, a status line for the current item, and the key bar.

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
// What an item shows in a column.
std::string ColumnText(const PanelItem& item, const std::string& type);
// The rows of items a screen of that height shows.
int PanelRows(int screenHeight);

void DrawPanel(VirtualScreen& screen, const PluginPanel& panel);

} // namespace ulvar::standin
