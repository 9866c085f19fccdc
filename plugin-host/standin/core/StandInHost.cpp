#include "plugin-host/standin/core/StandInHost.h"

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
// Every load gets a fresh module number, so a plug-in that passes a stale or made-up number
// gets nothing back.
int nextModuleNumber = 1;

} // namespace

StandInHost::StandInHost(HostOptions options, HostUi& ui, HostPlatform& platform)
    : options_(std::move(options)), ui_(ui), platform_(platform),
      screen_(options_.screenWidth, options_.screenHeight) {
    panels_.SetRedrawEvents(options_.redrawEvents);
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

bool StandInHost::Load(const PluginEntryPoints& entryPoints, const std::string& modulePath,
                       std::unique_ptr<LoadedLibrary> library) {
    if (loaded_)
        return false;
    library_ = std::move(library);
    entryPoints_ = entryPoints;
    modulePath_ = modulePath;
    retiredMessages_.clear();
    messages_ = std::make_unique<LanguageTable>(
        LoadLanguage(modulePath, options_.language, &languagePath_));
    startupInfo_ = HostStartupInfo{};
    startupInfo_.StructSize = sizeof(HostStartupInfo);
    // The path of the system's, the text the interface's: plug-ins read ModuleName as OEM.
    std::snprintf(startupInfo_.ModuleName, sizeof startupInfo_.ModuleName, "%s",
                  platform_.InterfacePath(modulePath).c_str());
    startupInfo_.ModuleNumber = nextModuleNumber++;
    startupInfo_.RootKey = options_.rootKey.c_str();
    services::Fill(startupInfo_);
    loaded_ = true;
    if (entryPoints_.SetStartupInfo) {
        // The plug-in gets a record that dies after the call: one that keeps the pointer instead
        // of a copy fails at once rather than by chance later.
        HostStartupInfo handedOut = startupInfo_;
        entryPoints_.SetStartupInfo(&handedOut);
        std::memset(&handedOut, 0, sizeof handedOut);
    }
    return true;
}

void StandInHost::Exit() {
    if (!loaded_)
        return;
    if (Panel())
        ClosePanel(true);
    SetBreakTarget(InvalidPanel);
    if (entryPoints_.ExitUlvar)
        entryPoints_.ExitUlvar();
    loaded_ = false;
    entryPoints_ = {};
    library_.reset();
}

PluginMenus StandInHost::GetPluginInfo() {
    PluginMenus menus;
    if (!loaded_ || !entryPoints_.GetPluginInfo)
        return menus;
    PluginInfoRecord record{};
    record.StructSize = sizeof record;
    entryPoints_.GetPluginInfo(&record);
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

PanelHandle StandInHost::Open(int origin, std::intptr_t item) {
    if (!loaded_ || !entryPoints_.OpenPlugin)
        return InvalidPanel;
    if (Panel() && !ClosePanel(true))
        return InvalidPanel;
    panels_.SetOpening(true);
    PanelHandle const handle = entryPoints_.OpenPlugin(origin, item);
    panels_.SetOpening(false);
    if (handle == InvalidPanel || handle == nullptr)
        return handle;
    auto& panel = panels_.AttachPlugin(entryPoints_, handle);
    panel.SetPageHeight(PanelRows(screen_.Height()));
    SetBreakTarget(handle);
    panel.Refresh(false);
    CloseIfRequested();
    return handle;
}

PanelHandle StandInHost::OpenCommandLine(const std::string& text) {
    return Open(OpenFromCommandLine, reinterpret_cast<std::intptr_t>(text.c_str()));
}

bool StandInHost::ClosePanel(bool force) {
    auto* panel = Panel();
    if (!panel)
        return false;
    if (!force && panel->ProcessEvent(EventClose, nullptr) != 0)
        return false;
    SetBreakTarget(InvalidPanel);
    panel->Close();
    panels_.DetachPlugin();
    return true;
}

void StandInHost::CloseIfRequested() {
    if (panels_.CloseRequested() && Panel()) {
        panels_.ClearCloseRequest();
        ClosePanel(true);
    }
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

void StandInHost::SetBreakTarget(PanelHandle panel) {
    std::lock_guard guard(breakLock_);
    breakTarget_ = panel;
    breakEntry_ = panel != InvalidPanel ? entryPoints_.ProcessEvent : nullptr;
}

void StandInHost::SendBreak() {
    std::lock_guard guard(breakLock_);
    if (breakTarget_ != InvalidPanel && breakEntry_)
        breakEntry_(breakTarget_, EventBreak, nullptr);
}

int StandInHost::PutFiles(bool move, int opMode) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    FilePanel const& source = panels_.PassiveFiles();
    std::vector<PanelItem> items;
    for (auto const& item : source.items)
        if (item.Flags & ItemSelected)
            items.push_back(item);
    if (items.empty() && !source.items.empty())
        items.push_back(source.items[static_cast<std::size_t>(
            std::clamp(source.current, 0, static_cast<int>(source.items.size()) - 1))]);
    if (items.empty())
        return 0;
    std::string const before = platform_.CurrentFolder();
    platform_.SetCurrentFolder(source.folder);
    platform_.SetOemFileFunctions(true);
    int const result = panel->PutFiles(items, move, opMode);
    platform_.SetOemFileFunctions(false);
    if (!before.empty())
        platform_.SetCurrentFolder(before);
    CloseIfRequested();
    return result;
}

int StandInHost::GetFiles(bool move, int opMode) {
    auto* panel = Panel();
    if (!panel)
        return 0;
    int const result = panel->GetFiles(panels_.PassiveFiles().folder, move, opMode);
    if (result && move)
        panel->Refresh(false);
    CloseIfRequested();
    return result;
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
#if defined(_WIN32)
    char const delimiter = '\\';
#else
    char const delimiter = '/';
#endif
    return folder + delimiter +
           (item.Data.AlternateFileName[0] ? item.Data.AlternateFileName : item.Data.FileName);
}

bool StandInHost::SwitchLanguage(const std::string& language) {
    if (!loaded_)
        return false;
    options_.language = language;
    retiredMessages_.push_back(std::move(messages_));
    messages_ =
        std::make_unique<LanguageTable>(LoadLanguage(modulePath_, language, &languagePath_));
    Redraw();
    return true;
}

void StandInHost::Redraw() {
    panels_.TellRedraw(nullptr);
    CloseIfRequested();
}

std::vector<std::string> StandInHost::Search(const std::string& text, const std::string& folder) {
    std::vector<std::string> found;
    if (auto* panel = Panel())
        found = panel->Search(text, folder);
    CloseIfRequested();
    return found;
}

int StandInHost::Configure(int itemNumber) {
    return loaded_ && entryPoints_.Configure ? entryPoints_.Configure(itemNumber) : 0;
}

const char* StandInHost::ServiceGetMsg(int module, int number) {
    return loaded_ && module == ModuleNumber() ? messages_->Get(number) : "";
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
    auto const dialog = MakeDialogShown(x1, y1, x2, y2, helpTopic, items, itemsNumber);
    auto edited = dialog.items;
    int const result = ui_.Dialog(dialog, edited);
    for (std::size_t i = 0; i < edited.size() && i < dialog.items.size(); ++i) {
        items[i].Selected = edited[i].Selected;
        std::memcpy(items[i].Data, edited[i].Data, sizeof items[i].Data);
        items[i].Data[sizeof items[i].Data - 1] = '\0';
    }
    return result >= 0 && result < itemsNumber ? result : -1;
}

int StandInHost::ServiceMessage(int, std::uint32_t flags, const char* helpTopic,
                                const char* const* items, int itemsNumber, int buttonsNumber,
                                unsigned long lastError) {
    std::optional<std::string> errorLine;
    if (flags & MessageErrorLine)
        errorLine = platform_.ErrorText(lastError);
    auto const message =
        MakeMessageShown(flags, helpTopic, items, itemsNumber, buttonsNumber, errorLine);
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
