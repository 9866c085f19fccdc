#pragma once

// Our stand-in for Ulvar: takes the entry points of one plug-in or several (looked up in a DLL by
// standin/win, or linked into a test), calls them as the host does and implements every host
// service. Two panels, left and right, each show a file panel or a plug-in's panel. What the
// plug-in shows in menus, dialogs and messages is recorded and answered by a HostUi: scripted in
// tests, the real console in the interactive program. What the services need from the system (the
// last error code, error texts, the console window) comes through a HostPlatform.
//
// The host services are plain C functions without a context argument, so one StandInHost at a
// time is "the" host of the process; creating a second while one lives is an error
// (std::logic_error).

#include "plugin-host/standin/core/EntryPoints.h"
#include "plugin-host/standin/core/HostPlatform.h"
#include "plugin-host/standin/core/HostUi.h"
#include "plugin-host/standin/core/LanguageFile.h"
#include "plugin-host/standin/core/Panels.h"
#include "plugin-host/standin/core/VirtualScreen.h"
#include "ulvar/Plugin.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace ulvar::standin {

struct HostOptions {
    int screenWidth = 80;
    int screenHeight = 25;
    // Language file chosen beside the plug-in: "<name>_<language>.lng" (see LanguageFile.h).
    std::string language = "en";
    // Registry root for plug-in settings, under HKEY_CURRENT_USER.
    std::string rootKey = "Software\\Ulvar\\Plugins";
    std::uint32_t version = MakeVersion(1, 70, 2);
    // Tell the plug-in's panel of every redraw (EventRedraw), as Ulvar does. Off by default, so
    // that tests written before it see the calls they always saw.
    bool redrawEvents = false;
};

// A copy of what GetPluginInfo filled in.
struct PluginMenus {
    std::uint32_t flags = 0;
    std::vector<std::string> disksMenu;
    std::vector<int> disksMenuNumbers;
    std::vector<std::string> pluginsMenu;
    std::vector<std::string> configMenu;
    std::string commandPrefix;
};

// What keeps a plug-in library in memory while the host uses its entry points; the host destroys it
// after ExitUlvar.
class LoadedLibrary {
public:
    virtual ~LoadedLibrary() = default;
};

class StandInHost {
public:
    StandInHost(HostOptions options, HostUi& ui, HostPlatform& platform = SystemPlatform());
    // Exit() when a plug-in is still loaded.
    ~StandInHost();
    StandInHost(const StandInHost&) = delete;
    StandInHost& operator=(const StandInHost&) = delete;

    // The live host, or null.
    static StandInHost* Current();

    // The plug-in's entry points; modulePath is the library's full path (it picks the language
    // file, and the plug-in derives its own files from it), library what keeps them loaded (null
    // for entry points linked into the caller). Calls SetStartupInfo. False when a plug-in is
    // loaded already (AddPlugin loads more).
    bool Load(const PluginEntryPoints& entryPoints, const std::string& modulePath,
              std::unique_ptr<LoadedLibrary> library = nullptr);
    // Loads one more plug-in beside those loaded (the first one, when none is): its own module
    // number and language file. Returns its index, the order of loading from 0.
    int AddPlugin(const PluginEntryPoints& entryPoints, const std::string& modulePath,
                  std::unique_ptr<LoadedLibrary> library = nullptr);
    bool Loaded() const { return !plugins_.empty(); }
    int PluginCount() const { return static_cast<int>(plugins_.size()); }
    // Closes the open panels, calls ExitUlvar of every plug-in and unloads the libraries.
    void Exit();

    // The first plug-in's (the one Load loaded), or of plug-in index.
    const HostStartupInfo& StartupInfo(int plugin = 0) const { return Plugin(plugin).startupInfo; }
    int ModuleNumber(int plugin = 0) const { return Plugin(plugin).startupInfo.ModuleNumber; }
    const std::string& ModulePath(int plugin = 0) const { return Plugin(plugin).modulePath; }
    const PluginEntryPoints& EntryPoints(int plugin = 0) const {
        return Plugin(plugin).entryPoints;
    }
    // The language file read for the plug-in ("" when none).
    const std::string& LanguagePath(int plugin = 0) const { return Plugin(plugin).languagePath; }
    const LanguageTable& Messages(int plugin = 0) const { return *Plugin(plugin).messages; }
    // The user switches the host's language at run time: HostGetMsg answers from that language's
    // file from now on, with texts at new addresses (the old ones stay valid while the plug-in is
    // loaded), and the panels are redrawn. False when nothing is loaded.
    bool SwitchLanguage(const std::string& language);

    // The side a plug-in's panel opens on and the keys go to; Tab switches it.
    int ActiveSide() const { return panels_.ActiveSide(); }
    void SwitchActive();
    void SetActiveSide(int side);

    // Copy (F5) and move (F6) from the active panel to the passive one. From a file panel into a
    // plug-in's: PutFiles with the file panel's selected items (the current one when none is
    // selected) while the host's current folder is that panel's folder. From a plug-in's panel
    // into a file panel: GetFiles into its folder. Between two plug-in panels, through
    // transitFolder (an empty folder of the caller's; none given: nothing is done): GetFiles there
    // as a copy, PutFiles of what arrived, and for a move DeleteFiles of the source items only
    // once PutFiles succeeded; the transit folder is emptied afterwards. A plug-in panel given
    // files is listed again on success, as is one that gave them away by a move. Returns what the
    // receiving plug-in returned (0 between two file panels, without items, or when a step
    // failed).
    int CopyToPassive(bool move, int opMode = 0, const std::string& transitFolder = "");
    // Copy and move from the passive file panel into the active plug-in panel (PutFiles, as
    // above), and out of it into the passive panel's folder (GetFiles).
    int PutFiles(bool move, int opMode = 0);
    int GetFiles(bool move, int opMode = 0);
    // PutFiles of a side's plug-in panel with files of folder (names relative to it, or full
    // paths): the host's current folder is folder and the file functions take OEM text during
    // the call, both put back afterwards. The panel is listed again on success. 0 without a
    // plug-in panel there or without items.
    int PutFilesFrom(int side, const std::string& folder, std::vector<PanelItem> items, bool move,
                     int opMode = 0);
    // Delete (F8): DeleteFiles with the active plug-in panel's selection.
    int DeleteFiles(int opMode = 0);
    // View (F3): GetFiles in view mode of the current item into folder; the path of the file
    // the plug-in wrote (named after the item's short name, else its name), or "" when it wrote
    // none.
    std::string View(const std::string& folder);
    // The host redraws the active panel (with redraw events, the plug-in is told).
    void Redraw();
    // The host redraws a side's panel.
    void Redraw(int side);
    // The host's search: the plug-in's items listed in find mode, each non-folder item copied
    // with GetFiles in find mode into folder (a folder of the caller's, emptied of the copies
    // afterwards is the caller's business) and searched for text. The names of the items whose
    // copy holds it, in the listing's order. The panel's own listing stays as it is.
    std::vector<std::string> Search(const std::string& text, const std::string& folder);

    // GetPluginInfo of a plug-in, with the texts copied out. Empty when the plug-in does not
    // export it.
    PluginMenus GetPluginInfo(int plugin = 0);
    // OpenPlugin of a plug-in. When it returns a panel, that panel becomes the one of the active
    // side (a plug-in panel there is closed first) and is listed; the other side stays as it is.
    // Returns what OpenPlugin returned (InvalidPanel when nothing was opened).
    PanelHandle Open(int origin, std::intptr_t item = 0, int plugin = 0);
    // The same on a side of the caller's choice, active or not.
    PanelHandle OpenOn(int side, int origin, std::intptr_t item = 0, int plugin = 0);
    PanelHandle OpenCommandLine(const std::string& text, int plugin = 0);
    // The plug-in panel on the active side, on a side, or null.
    PluginPanel* Panel() { return panels_.Plugin(); }
    PluginPanel* PanelOn(int side) { return panels_.PluginOn(side); }
    // ProcessEvent(EventClose) first: a nonzero answer keeps the panel; then ClosePlugin. True
    // when the panel was closed. force skips the question.
    bool ClosePanel(bool force = false) { return ClosePanelOn(ActiveSide(), force); }
    bool ClosePanelOn(int side, bool force = false);
    // Panel operations the user makes on the active panel; each closes a panel afterwards if
    // the plug-in asked for that through HostControl.
    int PressKey(int key, unsigned controlState = 0);
    // A while without keys: EventIdle to the plug-in panels of both sides (the active one first).
    int Idle();
    int SendEvent(int event, void* param);
    bool EnterFolder(const std::string& name);
    // Enter on the current item; ".." that the plug-in refuses (its top folder) closes the panel.
    bool EnterCurrent();
    // Ctrl+Break: ProcessEvent(EventBreak) of the active plug-in panel; may be called from
    // another thread while the plug-in is busy in an entry point.
    void SendBreak();
    int Configure(int itemNumber, int plugin = 0);

    Panels& GetPanels() { return panels_; }
    VirtualScreen& Screen() { return screen_; }
    HostUi& Ui() { return ui_; }
    const HostOptions& Options() const { return options_; }
    // The texts entered in dialog edits with a history name, the latest first; kept for the
    // host's lifetime, at most HistoryLength a name.
    static constexpr std::size_t HistoryLength = 32;
    std::vector<std::string> History(const std::string& name) const;
    HostPlatform& Platform() { return platform_; }

    // The services, as the C functions of HostStartupInfo forward them to the current host.
    const char* ServiceGetMsg(int module, int number);
    int ServiceMenu(int module, int x, int y, int maxHeight, std::uint32_t flags, const char* title,
                    const char* bottom, const char* helpTopic, const int* breakKeys, int* breakCode,
                    const MenuItem* items, int itemsNumber);
    int ServiceDialog(int module, int x1, int y1, int x2, int y2, const char* helpTopic,
                      DialogItem* items, int itemsNumber);
    int ServiceMessage(int module, std::uint32_t flags, const char* helpTopic,
                       const char* const* items, int itemsNumber, int buttonsNumber,
                       unsigned long lastError);
    int ServiceControl(PanelHandle panel, int command, void* param);
    void* ServiceSaveScreen(int left, int top, int right, int bottom);
    void ServiceRestoreScreen(void* saved);
    void ServiceText(int x, int y, int colour, const char* text);
    std::intptr_t ServiceAdvControl(int module, int command, void* param);

private:
    // A loaded plug-in: its entry points, the record it got, its language and its library.
    struct HostedPlugin {
        PluginEntryPoints entryPoints;
        HostStartupInfo startupInfo{};
        std::string modulePath;
        std::string languagePath;
        std::unique_ptr<LanguageTable> messages = std::make_unique<LanguageTable>();
        // Tables of languages switched away from: the plug-in may still hold their texts.
        std::vector<std::unique_ptr<LanguageTable>> retiredMessages;
        std::unique_ptr<LoadedLibrary> library;
    };
    const HostedPlugin& Plugin(int plugin) const;
    HostedPlugin* FindPlugin(int index);
    int CopyBetweenPlugins(PluginPanel& source, int to, bool move, int opMode,
                           const std::string& transitFolder);
    // Closes the panels, on either side, whose plug-in asked for that through HostControl.
    void CloseIfRequested();

    HostOptions options_;
    HostUi& ui_;
    HostPlatform& platform_;
    VirtualScreen screen_;
    Panels panels_;
    std::vector<std::unique_ptr<HostedPlugin>> plugins_;
    std::map<std::string, std::vector<std::string>> histories_;
    // Sets the panel a break goes to: the active side's plug-in panel (none: no break goes in).
    // Once it returns, no break is inside a plug-in for the old target and none enters it.
    // Called after an open, a close and Tab.
    void UpdateBreakTarget(bool none = false);

    // The open panel's handle and ProcessEvent for SendBreak, which may run on another thread.
    // The lock is held while the break is inside the plug-in, so closing the panel or unloading
    // the library waits for it.
    std::mutex breakLock_;
    PanelHandle breakTarget_ = InvalidPanel;
    ProcessEventFn breakEntry_ = nullptr;
};

} // namespace ulvar::standin
