#include "plugin-host/standin/core/PanelSession.h"

#include "plugin-host/standin/core/FolderListing.h"
#include "plugin-host/standin/core/HostMenus.h"
#include "plugin-host/standin/core/PanelView.h"
#include "plugin-host/standin/core/ScreenDrawing.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <vector>

namespace ulvar::standin {

namespace {

DialogItem Item(int type, int x1, int y1, int x2, const std::string& text) {
    DialogItem item{};
    item.Type = type;
    item.X1 = x1;
    item.Y1 = y1;
    item.X2 = x2;
    item.Y2 = y1;
    std::snprintf(item.Data, sizeof item.Data, "%s", text.c_str());
    return item;
}

// The file-system folder a side stands for: the file panel's, else the process's current one.
std::string SideFolder(StandInHost& host, int side) {
    std::string const folder = host.GetPanels().Files(side).folder;
    return folder.empty() ? host.Platform().CurrentFolder() : folder;
}

} // namespace

int SortModeOfKey(int key) {
    switch (key) {
    case vk::F3:
        return SortByName;
    case vk::F4:
        return SortByExtension;
    case 0x74: // F5
        return SortByWriteTime;
    case 0x75: // F6
        return SortBySize;
    case 0x76: // F7
        return SortUnsorted;
    case 0x77: // F8
        return SortByCreationTime;
    case vk::F9:
        return SortByAccessTime;
    case vk::F10:
        return SortByDescription;
    case 0x7A: // F11
        return SortByOwner;
    default:
        return -1;
    }
}

PanelSession::PanelSession(StandInHost& host, std::string viewFolder)
    : host_(host), viewFolder_(std::move(viewFolder)) {
}

const HostTexts& PanelSession::Texts() const {
    return TextsFor(host_.Options().language);
}

void PanelSession::ShowFolder(int side, const std::string& folder) {
    FilePanel& files = host_.GetPanels().Files(side);
    files.folder = folder;
    ListFiles(files, host_.Platform());
}

bool PanelSession::AnyPluginPanel() {
    return host_.PanelOn(LeftSide) || host_.PanelOn(RightSide);
}

void PanelSession::Draw() {
    auto& screen = host_.Screen();
    auto& panels = host_.GetPanels();
    auto const& texts = Texts();
    int const rows = PanelRows(screen.Height());
    screen.Clear();
    // A view mode of the plug-in's that asks for the whole screen hides the other panel.
    auto* shown = host_.Panel();
    bool const alone = passiveHidden_ || (shown && WantsFullScreen(*shown));
    for (int side : {LeftSide, RightSide}) {
        bool const active = side == panels.ActiveSide();
        if (!active && alone)
            continue;
        PanelArea const area = SideArea(screen.Width(), side, active, alone);
        if (auto* plugin = host_.PanelOn(side)) {
            plugin->SetPageHeight(rows);
            DrawPanel(screen, *plugin, area, texts);
        } else if (panels.Files(side).type == PanelTypeInfo) {
            // About the panel on the other side.
            int const other = 1 - side;
            auto* beside = host_.PanelOn(other);
            std::string const folder =
                beside ? beside->Description().curDir
                       : host_.Platform().InterfacePath(panels.Files(other).folder);
            int const count =
                beside ? beside->Count() : static_cast<int>(panels.Files(other).items.size());
            DrawInfoPanel(screen, beside, folder, count, area, texts);
        } else {
            FilePanel& files = panels.Files(side);
            int const current = files.current;
            files.top = std::clamp(files.top, std::max(current - rows + 1, 0), current);
            DrawFilePanel(screen, files, host_.Platform().InterfacePath(files.folder), area, texts);
        }
    }
    auto* active = host_.Panel();
    if (commandLine_.empty())
        DrawKeyBar(screen, active ? &active->Description() : nullptr, keyRow_, texts);
    else
        screen.Write(0, screen.Height() - 1, 0x07, Fit("> " + commandLine_, screen.Width()));
    screen.SetCursor(0, 0, false);
}

void PanelSession::HandleKey(const KeyPress& key) {
    unsigned const modifiers = key.state & ModifierMask;
    keyRow_ = modifiers & KeyCtrl    ? PanelDescription::Ctrl
              : modifiers & KeyAlt   ? PanelDescription::Alt
              : modifiers & KeyShift ? PanelDescription::Shift
                                     : PanelDescription::Plain;
    bool const ctrl = modifiers == KeyCtrl;
    int const page = PanelRows(host_.Screen().Height());
    if (ctrl) {
        if (key.key >= '0' && key.key <= '9')
            return ChooseViewMode(key.key - '0');
        if (int const mode = SortModeOfKey(key.key); mode >= 0)
            return Sort(mode);
        if (key.key == 'R')
            return Reread();
        if (key.key == 'P')
            passiveHidden_ = !passiveHidden_;
        if (key.key == 'L')
            ToggleInformation();
        return;
    }
    if (modifiers == KeyAlt && key.key == SearchKey)
        return Search();
    if (modifiers == (KeyAlt | KeyShift) && key.key == vk::F9)
        return ConfigurationMenu();
    if (modifiers & (KeyCtrl | KeyAlt))
        return;
    if (!commandLine_.empty()) {
        switch (key.key) {
        case vk::Return:
            RunCommandLine();
            return;
        case vk::Back:
            commandLine_.pop_back();
            return;
        case vk::Escape:
            commandLine_.clear();
            return;
        default:
            break;
        }
    }
    if (static_cast<unsigned char>(key.ch) > 0x20 || (key.ch == ' ' && !commandLine_.empty())) {
        commandLine_ += key.ch;
        return;
    }
    switch (key.key) {
    case vk::Tab:
        host_.SwitchActive();
        break;
    case vk::Up:
        Move(-1);
        break;
    case vk::Down:
        Move(1);
        break;
    case vk::PageUp:
        Move(-page);
        break;
    case vk::PageDown:
        Move(page);
        break;
    case vk::Home:
        Move(-1, true);
        break;
    case vk::End:
        Move(1, true);
        break;
    case vk::Insert:
        if (auto* plugin = host_.Panel()) {
            plugin->Select(plugin->Current(), !plugin->IsSelected(plugin->Current()));
        } else if (!ActiveFiles().items.empty()) {
            auto& files = ActiveFiles();
            files.current = std::clamp(files.current, 0, static_cast<int>(files.items.size()) - 1);
            auto& item = files.items[static_cast<std::size_t>(files.current)];
            if (std::string(item.Data.FileName) != "..")
                item.Flags ^= ItemSelected;
        }
        Move(1);
        break;
    case vk::Return:
        Enter();
        break;
    case vk::F3:
        View();
        break;
    case CopyKey:
    case MoveKey:
        CopyOrMove(key.key == MoveKey);
        break;
    case FolderKey:
        MakeFolder();
        break;
    case DeleteKey:
    case vk::Delete:
        Delete();
        break;
    case vk::F9:
        if (auto* plugin = host_.Panel()) {
            int const owner = host_.GetPanels().OwnerOn(host_.ActiveSide());
            auto const entries = host_.GetPluginInfo(owner).configMenu;
            int chosen = 0;
            if (entries.size() > 1) {
                MenuShown menu;
                menu.x = menu.y = -1;
                menu.flags = MenuWrapMode;
                menu.title = Texts().configure;
                for (auto const& entry : entries) {
                    MenuItem item{};
                    std::snprintf(item.Text, sizeof item.Text, "%s", entry.c_str());
                    menu.items.push_back(item);
                }
                chosen = host_.Ui().Menu(menu).item;
            }
            // The settings may change what the panel shows.
            if (!entries.empty() && chosen >= 0 && host_.Configure(chosen, owner) &&
                host_.Panel() == plugin)
                plugin->Refresh(true);
        }
        break;
    case PluginsKey:
        PluginsMenu();
        break;
    case vk::Escape:
    case vk::F10:
        host_.ClosePanel();
        break;
    default:
        break;
    }
}

bool PanelSession::RunCommandLine() {
    auto const colon = commandLine_.find(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    auto const lower = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    std::string const prefix = lower(commandLine_.substr(0, colon));
    for (auto const& entry : HostMenuEntries(host_, Texts(), false)) {
        if (entry.kind != HostMenuEntry::Command || lower(entry.prefix) != prefix)
            continue;
        std::string const text = commandLine_.substr(colon + 1);
        commandLine_.clear();
        host_.OpenCommandLine(text, entry.plugin);
        return true;
    }
    return false;
}

void PanelSession::ConfigurationMenu() {
    auto const& texts = Texts();
    std::vector<HostMenuEntry> entries;
    for (auto& entry : HostMenuEntries(host_, texts))
        if (entry.kind == HostMenuEntry::Configure)
            entries.push_back(std::move(entry));
    const char* const languages[] = {"en", "ru"};
    MenuShown menu;
    menu.x = menu.y = -1;
    menu.flags = MenuWrapMode;
    menu.title = texts.configure;
    for (auto const& entry : entries) {
        MenuItem item{};
        std::snprintf(item.Text, sizeof item.Text, "%s", entry.text.c_str());
        menu.items.push_back(item);
    }
    for (const char* language : languages) {
        MenuItem item{};
        std::snprintf(item.Text, sizeof item.Text, "  %s%s", texts.language,
                      TextsFor(language).languageName);
        item.Checked = host_.Options().language == language;
        menu.items.push_back(item);
    }
    int const chosen = host_.Ui().Menu(menu).item;
    int const count = static_cast<int>(entries.size());
    if (chosen < 0)
        return;
    if (chosen >= count) {
        host_.SwitchLanguage(languages[chosen - count]);
        return;
    }
    auto const& entry = entries[static_cast<std::size_t>(chosen)];
    auto* shown = host_.Panel();
    if (host_.Configure(entry.number, entry.plugin) && shown && host_.Panel() == shown)
        shown->Refresh(true);
}

void PanelSession::ToggleInformation() {
    int const side = host_.GetPanels().PassiveSide();
    if (host_.PanelOn(side))
        return;
    FilePanel& files = host_.GetPanels().Files(side);
    files.type = files.type == PanelTypeInfo ? PanelTypeFiles : PanelTypeInfo;
}

void PanelSession::Move(int delta, bool toEnd) {
    if (auto* plugin = host_.Panel()) {
        if (toEnd)
            plugin->SetCursor(delta < 0 ? 0 : plugin->Count() - 1);
        else
            plugin->MoveCursor(delta);
        return;
    }
    FilePanel& files = ActiveFiles();
    int const last = std::max(static_cast<int>(files.items.size()) - 1, 0);
    files.current = toEnd ? (delta < 0 ? 0 : last) : std::clamp(files.current + delta, 0, last);
}

void PanelSession::Enter() {
    if (host_.Panel())
        host_.EnterCurrent();
    else
        EnterFileItem(ActiveFiles(), host_.Platform());
}

void PanelSession::ShowText(const std::string& title, const std::string& path) {
    std::vector<std::string> lines{title};
    std::ifstream file(path, std::ios::binary);
    for (std::string line; lines.size() < 12 && std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    lines.push_back(Texts().ok);
    std::vector<const char*> texts;
    for (auto const& line : lines)
        texts.push_back(line.c_str());
    host_.ServiceMessage(host_.ModuleNumber(), MessageLeftAlign, nullptr, texts.data(),
                         static_cast<int>(texts.size()), 1, 0);
}

void PanelSession::View() {
    if (auto* plugin = host_.Panel()) {
        if (plugin->Count() == 0 || plugin->IsDots(plugin->Current()))
            return;
        std::string const name = plugin->Name(plugin->Current());
        host_.Platform().MakeFolder(viewFolder_);
        std::string const path = host_.View(viewFolder_);
        if (!path.empty())
            ShowText(name, path);
        return;
    }
    FilePanel& files = ActiveFiles();
    if (files.items.empty())
        return;
    files.current = std::clamp(files.current, 0, static_cast<int>(files.items.size()) - 1);
    auto const& item = files.items[static_cast<std::size_t>(files.current)];
    if (!IsFolder(item))
        ShowText(item.Data.FileName, ItemPath(files, files.current));
}

void PanelSession::CopyOrMove(bool move) {
    auto& panels = host_.GetPanels();
    int const from = panels.ActiveSide();
    int const to = panels.PassiveSide();
    if (passiveHidden_) {
        // Alone on the screen, a plug-in's panel is given a file by name.
        if (host_.Panel() && !move)
            PromptAndPutFile();
        return;
    }
    bool const fromPlugin = host_.PanelOn(from) != nullptr;
    bool const toPlugin = host_.PanelOn(to) != nullptr;
    if (!fromPlugin && !toPlugin)
        return; // the host leaves the machine's files to the machine's own tools
    if (fromPlugin && toPlugin) {
        std::string const transit = JoinFolder(viewFolder_, "transfer");
        host_.Platform().MakeFolder(viewFolder_);
        host_.Platform().MakeFolder(transit);
        host_.CopyToPassive(move, 0, transit);
        return;
    }
    // The file panel a copy goes into stands for its folder even when none was shown yet.
    if (!toPlugin && panels.Files(to).folder.empty())
        ShowFolder(to, SideFolder(host_, to));
    if (host_.CopyToPassive(move)) {
        if (!fromPlugin && move)
            ListFiles(panels.Files(from), host_.Platform());
        if (!toPlugin)
            ListFiles(panels.Files(to), host_.Platform());
    }
}

void PanelSession::PromptAndPutFile() {
    std::string const folder = host_.Platform().CurrentFolder();
    auto const& texts = Texts();
    auto const name =
        Prompt(texts.copyIntoPanel, texts.from + host_.Platform().InterfacePath(folder), texts.copy,
               "Copy");
    if (!name || name->empty())
        return;
    host_.PutFilesFrom(host_.ActiveSide(), folder, {MakePanelItem(*name)}, false);
}

void PanelSession::MakeFolder() {
    if (host_.Panel())
        return; // the interface has no entry point for making a plug-in's folder
    FilePanel& files = ActiveFiles();
    auto const& texts = Texts();
    auto const name = Prompt(texts.makeFolder, texts.folderName, texts.make, "NewFolder");
    if (!name || name->empty())
        return;
    if (host_.Platform().MakeFolder(JoinFolder(files.folder, *name))) {
        ListFiles(files, host_.Platform());
        for (std::size_t i = 0; i < files.systemNames.size(); ++i)
            if (files.systemNames[i] == *name)
                files.current = static_cast<int>(i);
    }
}

void PanelSession::Delete() {
    // The host's own panels leave the machine's files alone.
    if (host_.Panel())
        host_.DeleteFiles();
}

void PanelSession::Sort(int mode) {
    if (auto* plugin = host_.Panel()) {
        bool const again = plugin->SortMode() == mode;
        plugin->SetSortMode(mode, again && !plugin->SortDescending());
    } else {
        FilePanel& files = ActiveFiles();
        files.sortDescending = files.sortMode == mode && !files.sortDescending;
        files.sortMode = mode;
        ListFiles(files, host_.Platform());
    }
}

void PanelSession::ChooseViewMode(int mode) {
    if (auto* plugin = host_.Panel())
        plugin->SetViewMode(mode);
    else
        ActiveFiles().viewMode = mode;
}

void PanelSession::Reread() {
    if (auto* plugin = host_.Panel())
        plugin->Refresh(true);
    else
        ListFiles(ActiveFiles(), host_.Platform());
}

void PanelSession::PluginsMenu() {
    auto const entries = HostMenuEntries(host_, Texts(), false);
    if (entries.empty())
        return;
    MenuShown menu;
    menu.x = menu.y = -1;
    menu.flags = MenuWrapMode;
    menu.title = Texts().pluginsMenu;
    for (auto const& entry : entries) {
        MenuItem item{};
        std::snprintf(item.Text, sizeof item.Text, "%s", entry.text.c_str());
        menu.items.push_back(item);
    }
    int const chosen = host_.Ui().Menu(menu).item;
    if (chosen < 0)
        return;
    RunHostMenuEntry(host_, entries[static_cast<std::size_t>(chosen)],
                     [&](const std::string& prefix) {
                         return Prompt(Texts().commandLine, prefix, Texts().open, "CommandLine");
                     });
}

void PanelSession::Search() {
    if (!host_.Panel())
        return;
    auto const& texts = Texts();
    auto const text = Prompt(texts.search, texts.searchFor, texts.find, "SearchText");
    if (!text || text->empty())
        return;
    // The copies go into a folder of their own, emptied afterwards.
    std::string const folder = JoinFolder(viewFolder_, "search");
    host_.Platform().MakeFolder(viewFolder_);
    host_.Platform().MakeFolder(folder);
    auto const found = host_.Search(*text, folder);
    std::vector<FolderEntry> copies;
    host_.Platform().ListFolder(folder, copies);
    for (auto const& copy : copies)
        host_.Platform().RemoveFile(JoinFolder(folder, copy.name));
    std::vector<std::string> lines{texts.search};
    if (found.empty())
        lines.push_back(texts.notFound);
    for (auto const& name : found) {
        if (lines.size() >= 14)
            break;
        lines.push_back(name);
    }
    lines.push_back(texts.ok);
    std::vector<const char*> shown;
    for (auto const& line : lines)
        shown.push_back(line.c_str());
    host_.ServiceMessage(host_.ModuleNumber(), MessageLeftAlign, nullptr, shown.data(),
                         static_cast<int>(shown.size()), 1, 0);
}

std::optional<std::string> PanelSession::Prompt(const std::string& title, const std::string& label,
                                                const std::string& button,
                                                const std::string& history) {
    auto const& texts = Texts();
    std::vector<DialogItem> items = {
        Item(DialogDoubleBox, 3, 1, 66, title),
        Item(DialogText, 5, 2, 0, label),
        Item(DialogEdit, 5, 3, 64, ""),
        Item(DialogButton, 0, 4, 0, button),
        Item(DialogButton, 0, 4, 0, texts.cancel),
    };
    items[0].Y2 = 5;
    items[2].Focus = 1;
    items[2].Flags = DialogHistory;
    items[2].History = history.c_str();
    items[3].Flags = items[4].Flags = DialogCenterGroup;
    items[3].DefaultButton = 1;
    if (host_.ServiceDialog(host_.ModuleNumber(), -1, -1, 70, 6, nullptr, items.data(),
                            static_cast<int>(items.size())) != 3)
        return std::nullopt;
    return std::string(items[2].Data);
}

} // namespace ulvar::standin
