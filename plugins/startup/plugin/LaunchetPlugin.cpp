#include "plugins/startup/plugin/LaunchetPlugin.h"

#include "plugin-host/kit/core/PanelItems.h"
#include "plugin-host/kit/win/RegistryValues.h"
#include "plugin-host/kit/win/SystemCodePages.h"
#include "plugins/startup/core/EntryNames.h"
#include "plugins/startup/core/Messages.h"
#include "plugins/startup/core/PanelDialogs.h"
#include "plugins/startup/ulvarplus/MenuBuilder.h"
#include "plugins/startup/ulvarplus/MessageBuilder.h"
#include "plugins/startup/win/ConsoleWidth.h"

#include <cstring>

namespace launchet {

namespace {

constexpr int KeyClear = 0x0C;
constexpr int KeyF3 = 0x72;
constexpr int KeyR = 0x52;
constexpr int ViewMode = 4;

bool Silent(int opMode) {
    return (opMode & ulvar::OpSilent) != 0;
}

bool IsDots(const ulvar::PanelItem& item) {
    return std::strcmp(item.Data.FileName, "..") == 0;
}

} // namespace

// One open panel: its model and what GetOpenPluginInfo points into.
struct LaunchetPlugin::Panel {
    Panel(StartupContext context, std::string panelTitle)
        : model(std::move(context)), title(std::move(panelTitle)) {
        modes[ViewMode].ColumnTypes = "NR";
        modes[ViewMode].ColumnWidths = "0";
    }

    StartupPanel model;
    std::string title;
    std::array<ulvar::PanelMode, ulvar::ViewModeCount> modes{};
};

ulvar::kit::PluginDefinition LaunchetDefinition() {
    return {ulvar::kit::Lifetime::StartupToExit, [] {
                return std::make_unique<LaunchetPlugin>();
            }};
}

LaunchetPlugin::LaunchetPlugin() = default;

LaunchetPlugin::~LaunchetPlugin() {
    // The panels' shell links need COM until they are gone.
    panels_.clear();
    com_.reset();
}

void LaunchetPlugin::SetStartupInfo(const ulvar::HostStartupInfo& info) {
    if (!com_)
        com_.emplace();
    host_.Keep(info);
    settingsKey_ = host_.Services().SettingsKey(SettingsSubKey);
    settings_ =
        ulvar::kit::ReadSettings(ulvar::kit::win::RegistryValueStore(settingsKey_), SettingsValues);
    BuildMenus();
}

void LaunchetPlugin::BuildMenus() {
    const char* const name = host_.Msg(msg::PluginName);
    menus_.flags = host_.PluginFlags();
    menus_.configMenu = {name};
    menus_.disksMenu.clear();
    menus_.disksMenuNumbers.clear();
    if (settings_.addToDisksMenu) {
        menus_.disksMenu = {name};
        menus_.disksMenuNumbers = {static_cast<int>(settings_.disksMenuHotkey)};
    }
    menus_.pluginsMenu.clear();
    if (settings_.addToPluginsMenu)
        menus_.pluginsMenu = {name};
    menus_.commandPrefix = nullptr;
}

void LaunchetPlugin::GetPluginInfo(ulvar::PluginInfoRecord& info) {
    menus_.Fill(info);
}

void LaunchetPlugin::ExitUlvar() {
    panels_.clear();
    current_ = nullptr;
    menus_ = {};
    com_.reset();
}

StartupContext LaunchetPlugin::Context() {
    return StartupContext{store_, ulvar::kit::win::SystemCodePages(), [this](int message) {
                              ulvarplus::MessageBuilder(host_, ulvar::MessageWarning)
                                  .Line(msg::ErrorTitle)
                                  .Line(message)
                                  .Button(msg::Ok)
                                  .Run();
                          }};
}

ulvar::PanelHandle LaunchetPlugin::NewPanel() {
    auto panel =
        std::make_unique<Panel>(Context(), std::string(" ") + host_.Msg(msg::PluginName) + " ");
    current_ = panel.get();
    panels_.push_back(std::move(panel));
    return current_;
}

LaunchetPlugin::Panel* LaunchetPlugin::Find(ulvar::PanelHandle handle) {
    for (auto const& panel : panels_)
        if (panel.get() == handle)
            return panel.get();
    return nullptr;
}

StartupPanel* LaunchetPlugin::CurrentPanel() {
    return current_ ? &current_->model : nullptr;
}

ulvar::PanelHandle LaunchetPlugin::OpenPlugin(int openFrom, std::intptr_t) {
    if (openFrom == ulvar::OpenFromDisksMenu)
        return NewPanel();
    if (openFrom != ulvar::OpenFromPluginsMenu)
        return ulvar::InvalidPanel;
    ulvarplus::MenuBuilder menu(host_, msg::PluginName);
    menu.Item(msg::OpenPanelItem).Item(msg::CreateOne);
    switch (menu.Run()) {
    case 0:
        return NewPanel();
    case 1:
        AddFromActivePanel();
        return ulvar::InvalidPanel;
    default:
        return ulvar::InvalidPanel;
    }
}

void LaunchetPlugin::ClosePlugin(ulvar::PanelHandle handle) {
    Panel* const panel = Find(handle);
    if (!panel)
        return;
    if (current_ == panel)
        current_ = nullptr;
    std::erase_if(panels_, [panel](const std::unique_ptr<Panel>& p) { return p.get() == panel; });
}

void LaunchetPlugin::GetOpenPluginInfo(ulvar::PanelHandle handle,
                                       ulvar::OpenPluginInfoRecord& info) {
    Panel* const panel = Find(handle);
    if (!panel)
        return;
    info.Flags = ulvar::PanelAddDots;
    info.CurDir = "";
    info.Format = "Startup";
    info.PanelTitle = panel->title.c_str();
    info.PanelModesArray = panel->modes.data();
    info.PanelModesNumber = ulvar::ViewModeCount;
    info.StartPanelMode = '0' + ViewMode;
    info.StartSortMode = ulvar::SortUnsorted;
}

int LaunchetPlugin::GetFindData(ulvar::PanelHandle handle, ulvar::PanelItem** items, int* count,
                                int) {
    Panel* const panel = Find(handle);
    if (!panel)
        return 0;
    auto const& entries = panel->model.Entries();
    ulvar::kit::PanelItemBlock block(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        block.SetName(i, entries[i]->RowName());
        block[i].UserData = reinterpret_cast<std::intptr_t>(entries[i].get());
    }
    *count = static_cast<int>(entries.size());
    *items = block.HandOut();
    return 1;
}

StartupEntry* LaunchetPlugin::EntryOf(Panel& panel, const ulvar::PanelItem& item) {
    // The host hands back what it was given; an item of an older listing refers to nothing.
    for (auto const& entry : panel.model.Entries())
        if (item.UserData != 0 && reinterpret_cast<std::intptr_t>(entry.get()) == item.UserData)
            return entry.get();
    return nullptr;
}

int LaunchetPlugin::ProcessKey(ulvar::PanelHandle handle, int key, unsigned controlState) {
    Panel* const panel = Find(handle);
    if (!panel)
        return 0;
    unsigned const modifiers = controlState & (ulvar::KeyCtrl | ulvar::KeyAlt | ulvar::KeyShift);
    if (modifiers == 0 && (key == KeyF3 || key == KeyClear)) {
        ShowEntry(*panel);
        return 1;
    }
    if (modifiers == ulvar::KeyCtrl && key == KeyR) {
        panel->model.Collect();
        host_.Services().Control(handle, ulvar::ControlUpdatePanel, reinterpret_cast<void*>(1));
        host_.Services().Control(handle, ulvar::ControlRedrawPanel, nullptr);
        return 1;
    }
    return 0;
}

void LaunchetPlugin::ShowEntry(Panel& panel) {
    ulvar::PanelInfo info{};
    if (!host_.Services().Control(&panel, ulvar::ControlGetPanelInfo, &info))
        return;
    if (info.CurrentItem < 0 || info.CurrentItem >= info.ItemsNumber || !info.PanelItems)
        return;
    StartupEntry* const entry = EntryOf(panel, info.PanelItems[info.CurrentItem]);
    if (entry)
        ShowEntryDialog(host_, *entry, win::ConsoleWidth());
}

int LaunchetPlugin::PutFiles(ulvar::PanelHandle handle, ulvar::PanelItem* items, int count,
                             int move, int opMode) {
    Panel* const panel = Find(handle);
    if (!panel || !items || count <= 0)
        return 0;
    // A move the host believes done ends with the host deleting the user's programs.
    if (move) {
        if (!Silent(opMode))
            ulvarplus::ErrorMessage(host_, msg::MoveRefused);
        return 0;
    }
    std::vector<std::string> names;
    for (int i = 0; i < count; ++i)
        if (!IsDots(items[i]))
            names.emplace_back(items[i].Data.FileName);
    AddFiles(panel->model, names, opMode);
    return 1;
}

void LaunchetPlugin::AddFromActivePanel() {
    ulvar::PanelInfo info{};
    if (!host_.Services().Control(ulvar::ActivePanel, ulvar::ControlGetPanelInfo, &info))
        return;
    std::vector<std::string> names;
    for (int i = 0; info.SelectedItems && i < info.SelectedItemsNumber; ++i)
        if (!IsDots(info.SelectedItems[i]))
            names.emplace_back(info.SelectedItems[i].Data.FileName);
    if (names.empty())
        return;
    if (StartupPanel* const panel = CurrentPanel()) {
        AddFiles(*panel, names, 0);
        return;
    }
    StartupPanel temporary(Context());
    AddFiles(temporary, names, 0);
}

void LaunchetPlugin::AddFiles(StartupPanel& panel, const std::vector<std::string>& names,
                              int opMode) {
    if (names.empty())
        return;
    std::size_t destination = DefaultDestination;
    std::optional<CreateChoice> choice;
    if (!Silent(opMode)) {
        choice = AskCreate(host_, names.size(), DefaultEntryName(win::FullPath(names.front())),
                           settings_.createAs);
        if (!choice)
            return;
        settings_.createAs = static_cast<std::uint32_t>(choice->createAs);
        ulvar::kit::win::RegistryValueStore(settingsKey_).Write(CreateAsValue, settings_.createAs);
        if (choice->createAs >= 0 && choice->createAs < static_cast<int>(Destinations.size()))
            destination = Destinations[static_cast<std::size_t>(choice->createAs)];
    }
    bool const edited = choice && names.size() == 1;
    for (auto const& name : names) {
        std::string const path = win::FullPath(name);
        std::string const entryName = edited ? choice->name : DefaultEntryName(path);
        if (!IsValidEntryName(entryName)) {
            if (!Silent(opMode))
                ulvarplus::ErrorMessage(host_, msg::InvalidName);
            continue;
        }
        panel.Source(destination).Add(path, entryName, edited ? choice->arguments : "");
    }
    panel.Collect();
}

int LaunchetPlugin::DeleteFiles(ulvar::PanelHandle handle, ulvar::PanelItem* items, int count,
                                int opMode) {
    Panel* const panel = Find(handle);
    if (!panel || !items || count <= 0)
        return 0;
    std::vector<StartupEntry*> entries;
    for (int i = 0; i < count; ++i)
        if (StartupEntry* const entry = EntryOf(*panel, items[i]))
            entries.push_back(entry);
    if (entries.empty())
        return 0;
    if (!Silent(opMode) && !ConfirmDelete(host_, entries))
        return 0;
    bool const deleted = panel->model.Delete(entries);
    if (!deleted) {
        unsigned long const error = GetLastError();
        std::string const text = host_.Msg(msg::DeleteFailed);
        store_.SetLastError(error);
        ulvarplus::ErrorMessage(host_, text, ulvar::MessageErrorLine);
    }
    panel->model.Collect();
    return deleted ? 1 : 0;
}

int LaunchetPlugin::Configure(int) {
    auto const edited = AskConfiguration(host_, settings_);
    if (!edited)
        return 0;
    settings_ = *edited;
    ulvar::kit::win::RegistryValueStore store(settingsKey_);
    ulvar::kit::WriteSettings(store, MenuSettingsValues, settings_);
    BuildMenus();
    return 1;
}

} // namespace launchet
