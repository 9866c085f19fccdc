#include "plugin-host/app/MainMenu.h"

#include "plugin-host/app/PanelLoop.h"
#include "plugin-host/standin/core/HostMenus.h"
#include "plugin-host/standin/core/ScreenDrawing.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace ulvar::standin {

namespace {

constexpr int BackgroundColour = 0x17;

void DrawBackground(StandInHost& host, Terminal& terminal, const HostTexts& texts) {
    auto& screen = host.Screen();
    screen.Clear(BackgroundColour);
    std::string modules;
    for (int p = 0; p < host.PluginCount(); ++p)
        modules += "  " + host.Platform().InterfacePath(host.ModulePath(p));
    screen.Write(0, 0, 0x30, Fit(" ulvar-host" + modules, screen.Width()));
    screen.Write(0, screen.Height() - 1, 0x30,
                 Fit(std::string(" ") + texts.mainBottom, screen.Width()));
    screen.SetCursor(0, 0, false);
    terminal.Show(screen, true);
}

// Asks for the text after the prefix.
std::optional<std::string> AskCommandLine(InteractiveUi& ui, const HostTexts& texts,
                                          const std::string& prefix) {
    std::vector<DialogItem> items(4);
    for (auto& item : items)
        item = DialogItem{};
    items[0].Type = DialogDoubleBox;
    items[0].X1 = 3, items[0].Y1 = 1, items[0].X2 = 56, items[0].Y2 = 5;
    std::snprintf(items[0].Data, sizeof items[0].Data, "%s", texts.commandLine);
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
    std::snprintf(items[3].Data, sizeof items[3].Data, "%s", texts.open);
    DialogShown dialog;
    dialog.x1 = dialog.y1 = -1;
    dialog.x2 = 60;
    dialog.y2 = 7;
    dialog.items = items;
    if (ui.Dialog(dialog, items) < 0)
        return std::nullopt;
    return std::string(items[2].Data);
}

} // namespace

void RunMainMenu(StandInHost& host, PanelSession& session, InteractiveUi& ui, Terminal& terminal) {
    auto const& texts = session.Texts();
    auto const entries = HostMenuEntries(host, texts);
    int current = 0;
    for (;;) {
        DrawBackground(host, terminal, texts);
        MenuShown menu;
        menu.x = menu.y = -1;
        menu.flags = MenuWrapMode;
        menu.title = texts.pluginMenuTitle;
        menu.bottom = texts.pluginMenuBottom;
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
        RunHostMenuEntry(
            host, entries[static_cast<std::size_t>(chosen)],
            [&](const std::string& prefix) { return AskCommandLine(ui, texts, prefix); });
        if (session.AnyPluginPanel())
            BrowsePanels(host, session, terminal);
    }
}

} // namespace ulvar::standin
