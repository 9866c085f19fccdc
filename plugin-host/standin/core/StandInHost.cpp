#include "plugin-host/standin/core/StandInHost.h"

#include "plugin-host/standin/core/HostTexts.h"
#include "plugin-host/standin/core/PanelView.h"
#include "plugin-host/standin/core/ServiceRecords.h"
#include "plugin-host/standin/core/Services.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace ulvar::standin {

namespace {

// The services carry no context: they reach the host through this pointer, set by the one live
// StandInHost.
StandInHost* currentHost = nullptr;
#if defined(_WIN32)
char const PathDelimiter = '\\';
#else
char const PathDelimiter = '/';
#endif
// Every load gets a fresh module number, so a plug-in that passes a stale or made-up number
// gets nothing back.
int nextModuleNumber = 1;

// While a plug-in works over a panel of files, the process's current folder is that panel's
// folder and the file functions take OEM text, as in Ulvar: the plug-in finds the panel's items,
// named as the panel lists them, there. Both are put back afterwards.
class OverFolder {
public:
    OverFolder(HostPlatform& platform, const std::string& folder) : platform_(platform) {
        if (folder.empty())
            return;
        before_ = platform_.CurrentFolder();
        platform_.SetCurrentFolder(folder);
        platform_.SetOemFileFunctions(true);
        set_ = true;
    }
    OverFolder(const OverFolder&) = delete;
    OverFolder& operator=(const OverFolder&) = delete;
    ~OverFolder() {
        if (!set_)
            return;
        platform_.SetOemFileFunctions(false);
        if (!before_.empty())
            platform_.SetCurrentFolder(before_);
    }

private:
    HostPlatform& platform_;
    std::string before_;
    bool set_ = false;
};

} // namespace

StandInHost::StandInHost(HostOptions options, HostUi& ui, HostPlatform& platform)
    : options_(std::move(options)), ui_(ui), platform_(platform),
      screen_(options_.screenWidth, options_.screenHeight) {
    panels_.SetRedrawEvents(options_.redrawEvents);
    panels_.SetInterfacePath(
        [this](const std::string& path) { return platform_.InterfacePath(path); });
    if (currentHost)
        throw std::logic_error("only one StandInHost may live at a time");
    currentHost = this;
}

StandInHost::~StandInHost() {
    try {
        Exit();
    } catch (...) {
    }
    currentHost = nullptr;
}

StandInHost* StandInHost::Current() {
    return currentHost;
}

const StandInHost::HostedPlugin& StandInHost::Plugin(int plugin) const {
    static const HostedPlugin none;
    return plugin >= 0 && plugin < PluginCount() ? *plugins_[static_cast<std::size_t>(plugin)]
                                                 : none;
}

StandInHost::HostedPlugin* StandInHost::FindPlugin(int index) {
    return index >= 0 && index < PluginCount() ? plugins_[static_cast<std::size_t>(index)].get()
                                               : nullptr;
}

bool StandInHost::Load(const PluginEntryPoints& entryPoints, const std::string& modulePath,
                       std::unique_ptr<LoadedLibrary> library) {
    if (Loaded())
        return false;
    return AddPlugin(entryPoints, modulePath, std::move(library)) == 0;
}

int StandInHost::AddPlugin(const PluginEntryPoints& entryPoints, const std::string& modulePath,
                           std::unique_ptr<LoadedLibrary> library) {
    auto plugin = std::make_unique<HostedPlugin>();
    plugin->library = std::move(library);
    plugin->entryPoints = entryPoints;
    plugin->modulePath = modulePath;
    plugin->messages = std::make_unique<LanguageTable>(
        LoadLanguage(modulePath, options_.language, &plugin->languagePath));
    HostStartupInfo& info = plugin->startupInfo;
    info.StructSize = sizeof(HostStartupInfo);
    // The path of the system's, the text the interface's: plug-ins read ModuleName as OEM.
    std::snprintf(info.ModuleName, sizeof info.ModuleName, "%s",
                  platform_.InterfacePath(modulePath).c_str());
    info.ModuleNumber = nextModuleNumber++;
    info.RootKey = options_.rootKey.c_str();
    services::Fill(info);
    plugins_.push_back(std::move(plugin));
    HostedPlugin const& added = *plugins_.back();
    if (added.entryPoints.SetStartupInfo) {
        // The plug-in gets a record that dies after the call: one that keeps the pointer instead
        // of a copy fails at once rather than by chance later.
        HostStartupInfo handedOut = added.startupInfo;
        added.entryPoints.SetStartupInfo(&handedOut);
        std::memset(&handedOut, 0, sizeof handedOut);
    }
    return PluginCount() - 1;
}

void StandInHost::Exit() {
    if (!Loaded())
        return;
    for (int side : {ActiveSide(), panels_.PassiveSide()})
        if (PanelOn(side))
            ClosePanelOn(side, true);
    UpdateBreakTarget(true);
    for (auto& plugin : plugins_)
        if (plugin->entryPoints.ExitUlvar)
            plugin->entryPoints.ExitUlvar();
    plugins_.clear();
}

PluginMenus StandInHost::GetPluginInfo(int plugin) {
    PluginMenus menus;
    auto const* hosted = FindPlugin(plugin);
    if (!hosted || !hosted->entryPoints.GetPluginInfo)
        return menus;
    PluginInfoRecord record{};
    record.StructSize = sizeof record;
    hosted->entryPoints.GetPluginInfo(&record);
    auto const copy = [](const char* const* texts, int count) {
        std::vector<std::string> result;
        for (int i = 0; texts && i < count; ++i)
            result.push_back(texts[i] ? texts[i] : "");
        return result;
    };
    menus.flags = record.Flags;
    menus.disksMenu = copy(record.DisksMenuStrings, record.DisksMenuStringsNumber);
    for (int i = 0; i < static_cast<int>(menus.disksMenu.size()); ++i)
        menus.disksMenuNumbers.push_back(record.DisksMenuNumbers ? record.DisksMenuNumbers[i] : 0);
    menus.pluginsMenu = copy(record.PluginMenuStrings, record.PluginMenuStringsNumber);
    menus.configMenu = copy(record.PluginConfigStrings, record.PluginConfigStringsNumber);
    menus.commandPrefix = record.CommandPrefix ? record.CommandPrefix : "";
    return menus;
}

PanelHandle StandInHost::Open(int origin, std::intptr_t item, int plugin) {
    return OpenOn(ActiveSide(), origin, item, plugin);
}

PanelHandle StandInHost::OpenOn(int side, int origin, std::intptr_t item, int plugin) {
    auto const* hosted = FindPlugin(plugin);
    if (!hosted || !hosted->entryPoints.OpenPlugin)
        return InvalidPanel;
    if (PanelOn(side) && !ClosePanelOn(side, true))
        return InvalidPanel;
    panels_.SetOpening(true);
    PanelHandle handle = InvalidPanel;
    {
        // From the plug-ins menu over a panel of files, the plug-in may take that panel's
        // selection (HostControl) and resolve its names.
        OverFolder const over(platform_,
                              PanelOn(ActiveSide()) ? std::string() : panels_.ActiveFiles().folder);
        handle = hosted->entryPoints.OpenPlugin(origin, item);
    }
    panels_.SetOpening(false);
    if (handle == InvalidPanel || handle == nullptr) {
        CloseIfRequested();
        return handle;
    }
    auto& panel = panels_.AttachPlugin(side, hosted->entryPoints, handle, plugin);
    panel.SetPageHeight(PanelRows(screen_.Height()));
    UpdateBreakTarget();
    panel.Refresh(false);
    CloseIfRequested();
    return handle;
}

PanelHandle StandInHost::OpenCommandLine(const std::string& text, int plugin) {
    return Open(OpenFromCommandLine, reinterpret_cast<std::intptr_t>(text.c_str()), plugin);
}

bool StandInHost::ClosePanelOn(int side, bool force) {
    auto* panel = PanelOn(side);
    if (!panel)
        return false;
    if (!force && panel->ProcessEvent(EventClose, nullptr) != 0)
        return false;
    if (side == ActiveSide())
        UpdateBreakTarget(true);
    panel->Close();
    panels_.DetachPlugin(side);
    UpdateBreakTarget();
    return true;
}

void StandInHost::CloseIfRequested() {
    for (int side : {ActiveSide(), panels_.PassiveSide()}) {
        if (panels_.CloseRequested(side) && PanelOn(side)) {
            panels_.ClearCloseRequest(side);
            ClosePanelOn(side, true);
        }
    }
}

void StandInHost::SwitchActive() {
    panels_.SwitchActive();
    UpdateBreakTarget();
}

void StandInHost::SetActiveSide(int side) {
    panels_.SetActiveSide(side);
    UpdateBreakTarget();
}

int StandInHost::PressKey(int key, unsigned controlState) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    int const result = panel->ProcessKey(key, controlState);
    CloseIfRequested();
    return result;
}

int StandInHost::SendEvent(int event, void* param) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    int const result = panel->ProcessEvent(event, param);
    CloseIfRequested();
    return result;
}

int StandInHost::Idle() {
    int result = 0;
    for (int side : {ActiveSide(), panels_.PassiveSide()})
        if (auto* panel = PanelOn(side))
            result |= panel->ProcessEvent(EventIdle, nullptr);
    CloseIfRequested();
    return result;
}

bool StandInHost::EnterFolder(const std::string& name) {
    auto* panel = Panel();
    if (!panel)
        return false;
    bool const entered = panel->SetDirectory(name);
    CloseIfRequested();
    return entered;
}

bool StandInHost::EnterCurrent() {
    auto* panel = Panel();
    if (!panel)
        return false;
    bool const onDots = panel->Count() > 0 && panel->IsDots(panel->Current());
    bool const entered = panel->EnterCurrent();
    CloseIfRequested();
    if (onDots && !entered && Panel())
        ClosePanel();
    return entered;
}

void StandInHost::UpdateBreakTarget(bool none) {
    auto const* panel = none ? nullptr : Panel();
    int const owner = panels_.OwnerOn(ActiveSide());
    std::lock_guard guard(breakLock_);
    breakTarget_ = panel ? panel->Handle() : InvalidPanel;
    breakEntry_ = panel ? Plugin(owner).entryPoints.ProcessEvent : nullptr;
}

void StandInHost::SendBreak() {
    std::lock_guard guard(breakLock_);
    if (breakTarget_ != InvalidPanel && breakEntry_)
        breakEntry_(breakTarget_, EventBreak, nullptr);
}

namespace {

// The items of a file panel an operation takes: the selected ones, else the current one.
std::vector<PanelItem> OperationItems(const FilePanel& source) {
    std::vector<PanelItem> items;
    for (auto const& item : source.items)
        if (item.Flags & ItemSelected)
            items.push_back(item);
    if (items.empty() && !source.items.empty())
        items.push_back(source.items[static_cast<std::size_t>(
            std::clamp(source.current, 0, static_cast<int>(source.items.size()) - 1))]);
    return items;
}

} // namespace

int StandInHost::PutFilesFrom(int side, const std::string& folder, std::vector<PanelItem> items,
                              bool move, int opMode) {
    auto* panel = PanelOn(side);
    if (!panel || items.empty())
        return 0;
    std::string const before = platform_.CurrentFolder();
    platform_.SetCurrentFolder(folder);
    platform_.SetOemFileFunctions(true);
    int const result = panel->PutFiles(items, move, opMode);
    platform_.SetOemFileFunctions(false);
    if (!before.empty())
        platform_.SetCurrentFolder(before);
    if (result && PanelOn(side) == panel && !panels_.CloseRequested(side))
        panel->Refresh(true);
    CloseIfRequested();
    return result;
}

int StandInHost::PutFiles(bool move, int opMode) {
    FilePanel const& source = panels_.PassiveFiles();
    return PutFilesFrom(ActiveSide(), source.folder, OperationItems(source), move, opMode);
}

int StandInHost::GetFiles(bool move, int opMode) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    int const result = panel->GetFiles(panels_.PassiveFiles().folder, move, opMode);
    if (result && move && Panel() == panel && !panels_.CloseRequested())
        panel->Refresh(false);
    CloseIfRequested();
    return result;
}

int StandInHost::CopyToPassive(bool move, int opMode, const std::string& transitFolder) {
    int const from = ActiveSide();
    int const to = panels_.PassiveSide();
    auto* source = PanelOn(from);
    auto* target = PanelOn(to);
    if (source && !target)
        return GetFiles(move, opMode);
    if (!source && target) {
        FilePanel const& files = panels_.Files(from);
        return PutFilesFrom(to, files.folder, OperationItems(files), move, opMode);
    }
    if (!source || transitFolder.empty())
        return 0;
    return CopyBetweenPlugins(*source, to, move, opMode, transitFolder);
}

int StandInHost::CopyBetweenPlugins(PluginPanel& source, int to, bool move, int opMode,
                                    const std::string& transitFolder) {
    // The source copies, never moves: its items go only once the target has them.
    int const got = source.GetFiles(transitFolder, false, opMode);
    CloseIfRequested();
    std::vector<FolderEntry> arrived;
    platform_.ListFolder(transitFolder, arrived);
    std::vector<PanelItem> items;
    for (auto const& entry : arrived)
        if (!entry.folder)
            items.push_back(MakePanelItem(platform_.InterfacePath(entry.name), 0, entry.size));
    int const put =
        got && !items.empty() ? PutFilesFrom(to, transitFolder, items, move, opMode) : 0;
    auto* still = Panel();
    if (put && move && still == &source) {
        source.DeleteFiles(opMode);
        if (Panel() == &source && !panels_.CloseRequested())
            source.Refresh(false);
        CloseIfRequested();
    }
    for (auto const& entry : arrived)
        if (!entry.folder)
            platform_.RemoveFile(transitFolder + PathDelimiter + entry.name);
    return put;
}

int StandInHost::DeleteFiles(int opMode) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    int const result = panel->DeleteFiles(opMode);
    CloseIfRequested();
    return result;
}

std::string StandInHost::View(const std::string& folder) {
    auto* panel = Panel();
    if (!panel || panel->Count() == 0 || panel->IsDots(panel->Current()))
        return "";
    PanelItem const item = panel->Item(panel->Current());
    if (IsFolder(item))
        return "";
    // Only the current item is viewed, whatever is selected.
    std::vector<int> const selection = panel->Selection();
    std::vector<int> selected;
    for (int index : selection)
        if (panel->IsSelected(index))
            selected.push_back(index);
    for (int index : selected)
        panel->Select(index, false);
    int const result = panel->GetFiles(folder, false, OpView);
    for (int index : selected)
        panel->Select(index, true);
    CloseIfRequested();
    if (!result)
        return "";
    return folder + PathDelimiter +
           (item.Data.AlternateFileName[0] ? item.Data.AlternateFileName : item.Data.FileName);
}

bool StandInHost::SwitchLanguage(const std::string& language) {
    if (!Loaded())
        return false;
    options_.language = language;
    for (auto& plugin : plugins_) {
        plugin->retiredMessages.push_back(std::move(plugin->messages));
        plugin->messages = std::make_unique<LanguageTable>(
            LoadLanguage(plugin->modulePath, language, &plugin->languagePath));
    }
    Redraw(ActiveSide());
    Redraw(panels_.PassiveSide());
    return true;
}

void StandInHost::Redraw() {
    Redraw(ActiveSide());
}

void StandInHost::Redraw(int side) {
    panels_.TellRedraw(side, nullptr);
    CloseIfRequested();
}

std::vector<std::string> StandInHost::Search(const std::string& text, const std::string& folder) {
    std::vector<std::string> found;
    if (auto* panel = Panel())
        found = panel->Search(text, folder);
    CloseIfRequested();
    return found;
}

int StandInHost::Configure(int itemNumber, int plugin) {
    auto const* hosted = FindPlugin(plugin);
    return hosted && hosted->entryPoints.Configure ? hosted->entryPoints.Configure(itemNumber) : 0;
}

std::vector<std::string> StandInHost::History(const std::string& name) const {
    auto const found = histories_.find(name);
    return found != histories_.end() ? found->second : std::vector<std::string>{};
}

const char* StandInHost::ServiceGetMsg(int module, int number) {
    for (auto const& plugin : plugins_)
        if (plugin->startupInfo.ModuleNumber == module)
            return plugin->messages->Get(number);
    return "";
}

int StandInHost::ServiceMenu(int, int x, int y, int maxHeight, std::uint32_t flags,
                             const char* title, const char* bottom, const char* helpTopic,
                             const int* breakKeys, int* breakCode, const MenuItem* items,
                             int itemsNumber) {
    auto const menu = MakeMenuShown(x, y, maxHeight, flags, title, bottom, helpTopic, breakKeys,
                                    items, itemsNumber);
    auto answer = ui_.Menu(menu);
    if (answer.breakCode >= static_cast<int>(menu.breakKeys.size()))
        answer.breakCode = -1;
    if (breakCode)
        *breakCode = answer.breakCode;
    return answer.item >= 0 && answer.item < itemsNumber ? answer.item : -1;
}

int StandInHost::ServiceDialog(int, int x1, int y1, int x2, int y2, const char* helpTopic,
                               DialogItem* items, int itemsNumber) {
    auto dialog = MakeDialogShown(x1, y1, x2, y2, helpTopic, items, itemsNumber);
    auto const historyName = [&](std::size_t i) -> const char* {
        auto const& item = dialog.items[i];
        bool const edit = item.Type == DialogEdit || item.Type == DialogFixEdit;
        return edit && (item.Flags & DialogHistory) && item.History && item.History[0]
                   ? item.History
                   : nullptr;
    };
    dialog.histories.resize(dialog.items.size());
    for (std::size_t i = 0; i < dialog.items.size(); ++i)
        if (const char* name = historyName(i))
            dialog.histories[i] = histories_[name];
    auto edited = dialog.items;
    int result = ui_.Dialog(dialog, edited);
    result = result >= 0 && result < itemsNumber ? result : -1;
    for (std::size_t i = 0; i < edited.size() && i < dialog.items.size(); ++i) {
        items[i].Selected = edited[i].Selected;
        std::memcpy(items[i].Data, edited[i].Data, sizeof items[i].Data);
        items[i].Data[sizeof items[i].Data - 1] = '\0';
        // A dialog closed by an item adds each history edit's text to the front of its list.
        if (const char* name = historyName(i); name && result >= 0 && items[i].Data[0]) {
            auto& history = histories_[name];
            std::string const text = items[i].Data;
            history.erase(std::remove(history.begin(), history.end(), text), history.end());
            history.insert(history.begin(), text);
            if (history.size() > HistoryLength)
                history.pop_back();
        }
    }
    return result;
}

int StandInHost::ServiceMessage(int, std::uint32_t flags, const char* helpTopic,
                                const char* const* items, int itemsNumber, int buttonsNumber,
                                unsigned long lastError) {
    std::optional<std::string> errorLine;
    if (flags & MessageErrorLine)
        errorLine = platform_.ErrorText(lastError);
    auto const message = MakeMessageShown(flags, helpTopic, items, itemsNumber, buttonsNumber,
                                          errorLine, TextsFor(options_.language));
    int const result = ui_.Message(message);
    if (message.buttons.empty())
        return result;
    return result >= 0 && result < static_cast<int>(message.buttons.size()) ? result : -1;
}

int StandInHost::ServiceControl(PanelHandle panel, int command, void* param) {
    return panels_.Control(panel, command, param);
}

void* StandInHost::ServiceSaveScreen(int left, int top, int right, int bottom) {
    return screen_.Save(left, top, right, bottom);
}

void StandInHost::ServiceRestoreScreen(void* saved) {
    if (screen_.Restore(saved) || saved == nullptr)
        ui_.ScreenRestored(screen_);
}

void StandInHost::ServiceText(int x, int y, int colour, const char* text) {
    screen_.Text(x, y, colour, text);
    if (!text)
        ui_.Flushed(screen_);
}

std::intptr_t StandInHost::ServiceAdvControl(int, int command, void*) {
    switch (command) {
    case AdvGetVersion:
        return static_cast<std::intptr_t>(options_.version);
    case AdvGetConsoleWindow:
        return platform_.ConsoleWindow();
    default:
        return 0;
    }
}

} // namespace ulvar::standin
