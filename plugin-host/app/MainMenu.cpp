#include "plugin-host/app/MainMenu.h"

#include "plugin-host/app/PanelLoop.h"
#include "plugin-host/standin/core/ScreenDrawing.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace ulvar::standin {

namespace {

constexpr int BackgroundColour = 0x17;

struct Entry {
    enum Kind { Open, Configure, Command } kind;
    int origin = 0;
    int number = 0;
    std::string text;
};

std::vector<Entry> Entries(StandInHost& host) {
    auto const menus = host.GetPluginInfo();
    std::vector<Entry> entries;
    for (int i = 0; i < static_cast<int>(menus.pluginsMenu.size()); ++i)
        entries.push_back({Entry::Open, OpenFromPluginsMenu, i, menus.pluginsMenu[i]});
    for (int i = 0; i < static_cast<int>(menus.disksMenu.size()); ++i)
        entries.push_back({Entry::Open, OpenFromDisksMenu, i, "Disk: " + menus.disksMenu[i]});
    for (int i = 0; i < static_cast<int>(menus.configMenu.size()); ++i)
        entries.push_back({Entry::Configure, 0, i, "Configure: " + menus.configMenu[i]});
    if (!menus.commandPrefix.empty())
        entries.push_back(
            {Entry::Command, OpenFromCommandLine, 0, "Command line " + menus.commandPrefix + ":"});
    return entries;
}

void DrawBackground(StandInHost& host, Terminal& terminal) {
    auto& screen = host.Screen();
    screen.Clear(BackgroundColour);
    screen.Write(
        0, 0, 0x30,
        Fit(" ulvar-host  " + host.Platform().InterfacePath(host.ModulePath()), screen.Width()));
    screen.Write(
        0, screen.Height() - 1, 0x30,
        Fit(" Enter opens, Esc quits; Ctrl+Break is passed to the plug-in", screen.Width()));
    screen.SetCursor(0, 0, false);
    terminal.Show(screen, true);
}

// Asks for the text after the prefix and opens the plug-in with it.
void CommandLine(StandInHost& host, InteractiveUi& ui, const std::string& prefix) {
    std::vector<DialogItem> items(4);
    for (auto& item : items)
        item = DialogItem{};
    items[0].Type = DialogDoubleBox;
    items[0].X1 = 3, items[0].Y1 = 1, items[0].X2 = 56, items[0].Y2 = 5;
    std::snprintf(items[0].Data, sizeof items[0].Data, "%s", "Command line");
    items[1].Type = DialogText;
    items[1].X1 = 5, items[1].Y1 = 2;
    std::snprintf(items[1].Data, sizeof items[1].Data, "%s", prefix.c_str());
    items[2].Type = DialogEdit;
    items[2].X1 = 5, items[2].Y1 = 3, items[2].X2 = 54, items[2].Y2 = 3;
    items[2].Focus = 1;
    items[3].Type = DialogButton;
    items[3].Y1 = 4;
    items[3].Flags = DialogCenterGroup;
    items[3].DefaultButton = 1;
    std::snprintf(items[3].Data, sizeof items[3].Data, "%s", "Open");
    DialogShown dialog;
    dialog.x1 = dialog.y1 = -1;
    dialog.x2 = 60;
    dialog.y2 = 7;
    dialog.items = items;
    if (ui.Dialog(dialog, items) >= 0)
        host.OpenCommandLine(items[2].Data);
}

} // namespace

void RunMainMenu(StandInHost& host, InteractiveUi& ui, Terminal& terminal) {
    auto const entries = Entries(host);
    int current = 0;
    for (;;) {
        DrawBackground(host, terminal);
        MenuShown menu;
        menu.x = menu.y = -1;
        menu.flags = MenuWrapMode;
        menu.title = "Plug-in";
        menu.bottom = "Esc quits";
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            MenuItem item{};
            std::snprintf(item.Text, sizeof item.Text, "%s", entries[i].text.c_str());
            item.Selected = i == current;
            menu.items.push_back(item);
        }
        int const chosen = ui.Menu(menu).item;
        if (chosen < 0)
            return;
        current = chosen;
        auto const& entry = entries[static_cast<std::size_t>(chosen)];
        switch (entry.kind) {
        case Entry::Open:
            host.Open(entry.origin, entry.number);
            break;
        case Entry::Configure:
            host.Configure(entry.number);
            break;
        case Entry::Command:
            CommandLine(host, ui, host.GetPluginInfo().commandPrefix + ":");
            break;
        }
        if (host.Panel())
            BrowsePanel(host, terminal);
    }
}

} // namespace ulvar::standin
