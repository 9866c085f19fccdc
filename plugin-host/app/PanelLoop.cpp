#include "plugin-host/app/PanelLoop.h"

#include "plugin-host/app/FileCommands.h"
#include "plugin-host/standin/core/PanelView.h"

#include <cstdio>
#include <fstream>
#include <string>
#include <windows.h>

namespace ulvar::standin {

namespace {

constexpr int IdleMs = 1000;

// F3: the plug-in writes the item into a folder of the host's, the host shows its first lines.
void View(StandInHost& host) {
    auto* panel = host.Panel();
    if (!panel || panel->Count() == 0 || panel->IsDots(panel->Current()))
        return;
    auto const& item = panel->Item(panel->Current());
    if (item.Data.FileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        return;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::string const folder = std::string(temp) + "ulvar-host-view";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string const name = item.Data.FileName;
    // The plug-in writes the file under the item's short name when it has one.
    std::string const fileName =
        item.Data.AlternateFileName[0] ? item.Data.AlternateFileName : item.Data.FileName;
    std::vector<int> const selection = panel->Selection();
    for (int index : selection)
        panel->Select(index, false);
    if (!panel->GetFiles(folder, false, OpView))
        return;
    std::vector<std::string> lines{name};
    std::ifstream file(folder + "\\" + fileName, std::ios::binary);
    for (std::string line; lines.size() < 12 && std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    lines.push_back("OK");
    std::vector<const char*> texts;
    for (auto const& line : lines)
        texts.push_back(line.c_str());
    host.ServiceMessage(host.ModuleNumber(), MessageLeftAlign, nullptr, texts.data(),
                        static_cast<int>(texts.size()), 1, 0);
}

// F9: the plug-in's configuration entries, as the host's configuration menu offers them; the
// panel is listed again afterwards, since the settings may change what it shows.
void ConfigureFromPanel(StandInHost& host) {
    auto const entries = host.GetPluginInfo().configMenu;
    if (entries.empty())
        return;
    int chosen = 0;
    if (entries.size() > 1) {
        MenuShown menu;
        menu.x = menu.y = -1;
        menu.flags = MenuWrapMode;
        menu.title = "Configure";
        for (auto const& entry : entries) {
            MenuItem item{};
            std::snprintf(item.Text, sizeof item.Text, "%s", entry.c_str());
            menu.items.push_back(item);
        }
        chosen = host.Ui().Menu(menu).item;
        if (chosen < 0)
            return;
    }
    if (host.Configure(chosen) && host.Panel())
        host.Panel()->Refresh(true);
}

} // namespace

void BrowsePanel(StandInHost& host, Terminal& terminal) {
    auto& screen = host.Screen();
    while (auto* panel = host.Panel()) {
        panel->SetPageHeight(PanelRows(screen.Height()));
        screen.SetCursor(0, 0, false);
        DrawPanel(screen, *panel);
        terminal.Show(screen, true);

        KeyPress key;
        if (!terminal.ReadKey(key, IdleMs)) {
            host.Idle();
            continue;
        }
        if (host.PressKey(key.key, key.state) || !host.Panel())
            continue;
        int const page = PanelRows(screen.Height());
        switch (key.key) {
        case vk::Up:
            panel->MoveCursor(-1);
            break;
        case vk::Down:
            panel->MoveCursor(1);
            break;
        case vk::PageUp:
            panel->MoveCursor(-page);
            break;
        case vk::PageDown:
            panel->MoveCursor(page);
            break;
        case vk::Home:
            panel->SetCursor(0);
            break;
        case vk::End:
            panel->SetCursor(panel->Count() - 1);
            break;
        case vk::Insert:
            panel->Select(panel->Current(), !panel->IsSelected(panel->Current()));
            panel->MoveCursor(1);
            break;
        case vk::Return:
            host.EnterCurrent();
            break;
        case vk::F3:
            View(host);
            break;
        case vk::F9:
            ConfigureFromPanel(host);
            break;
        case PutFileKey:
            PutFileFromPrompt(host);
            break;
        case DeleteFilesKey:
        case vk::Delete:
            DeleteFromPanel(host);
            break;
        case 'R':
            if (key.state & KeyCtrl)
                panel->Refresh(true);
            break;
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9':
            // Ctrl+0 .. Ctrl+9: the view modes.
            if (key.state & KeyCtrl)
                panel->SetViewMode(key.key - '0');
            break;
        case vk::Escape:
        case vk::F10:
            host.ClosePanel();
            break;
        default:
            break;
        }
    }
}

} // namespace ulvar::standin
