#pragma once

// The plug-in behind the entry points: COM for the host's thread, the kept host record, the
// settings and menus, and the open panels, each a StartupPanel over the running system. The most
// recently opened panel is the current one; the plug-ins-menu entry that adds files uses it.

#include "plugin-host/kit/core/PluginMenus.h"
#include "plugin-host/kit/core/PluginModule.h"
#include "plugins/startup/core/Settings.h"
#include "plugins/startup/core/StartupPanel.h"
#include "plugins/startup/ulvarplus/HostRecord.h"
#include "plugins/startup/win/SystemStore.h"
#include "ulvar/Plugin.h"
#include "win32/Com.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace launchet {

// The plug-in as launchet.dll runs it: made by each SetStartupInfo, destroyed by ExitUlvar.
ulvar::kit::PluginDefinition LaunchetDefinition();

class LaunchetPlugin : public ulvar::kit::Plugin {
public:
    LaunchetPlugin();
    ~LaunchetPlugin() override;

    void SetStartupInfo(const ulvar::HostStartupInfo& info) override;
    void GetPluginInfo(ulvar::PluginInfoRecord& info) override;
    ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) override;
    void ClosePlugin(ulvar::PanelHandle panel) override;
    void GetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord& info) override;
    int GetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count,
                    int opMode) override;
    int PutFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count, int move,
                 int opMode) override;
    int DeleteFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count,
                    int opMode) override;
    int ProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) override;
    int Configure(int itemNumber) override;
    void ExitUlvar() override;

    const Settings& CurrentSettings() const { return settings_; }
    const ulvarplus::HostRecord& Host() const { return host_; }
    bool ComInitialized() const { return com_ && com_->Initialized(); }
    // The current panel's model, or null.
    StartupPanel* CurrentPanel();
    std::size_t OpenPanels() const { return panels_.size(); }

private:
    struct Panel;

    Panel* Find(ulvar::PanelHandle handle);
    ulvar::PanelHandle NewPanel();
    StartupContext Context();
    void BuildMenus();
    // The entry a listed item refers to, when it is one of the panel's.
    StartupEntry* EntryOf(Panel& panel, const ulvar::PanelItem& item);
    void AddFiles(StartupPanel& panel, const std::vector<std::string>& names, int opMode);
    void AddFromActivePanel();
    void ShowEntry(Panel& panel);

    std::optional<win32::ComSession> com_;
    ulvarplus::HostRecord host_;
    Settings settings_;
    std::string settingsKey_;
    ulvar::kit::PluginMenus menus_;
    win::SystemStore store_;
    std::vector<std::unique_ptr<Panel>> panels_;
    Panel* current_ = nullptr;
};

} // namespace launchet
