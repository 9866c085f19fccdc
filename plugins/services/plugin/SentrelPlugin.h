#pragma once

// The plug-in behind sentrel.dll's entry points: settings and attribute mappings read at start-up,
// the menus, and the panels (PanelInstance) that the host's handles are.

#include "plugin-host/kit/core/PluginMenus.h"
#include "plugin-host/kit/core/PluginModule.h"
#include "plugins/services/plugin/Library.h"
#include "plugins/services/win/ServiceManager.h"

#include <memory>
#include <optional>
#include <set>

namespace sentrel {

class PanelInstance;

struct PluginOptions {
    // Opens the service control manager instead of the system's opener (tests of unreachable
    // computers and of Ctrl+Break while connecting).
    std::optional<win::ManagerOpener> opener;
    // Pretends the system has no QueryServiceConfig2A / ChangeServiceConfig2A.
    bool withoutDescriptions = false;
    // The configuration manager of the hardware-profile menu instead of the system's.
    std::function<std::unique_ptr<ConfigManager>()> configManager;
    // The port of the control runs instead of the system's (dependents Windows does not report).
    std::function<std::unique_ptr<ServicePort>(SC_HANDLE manager)> servicePort;
    // The security calls of the logon right instead of the system's.
    std::function<std::unique_ptr<AccountRights>()> accountRights;
};

// Made by the first entry point and kept while the library is loaded, so that the remembered path
// and the cache outlive every panel; ExitUlvar releases the cache.
ulvar::kit::PluginDefinition SentrelDefinition(PluginOptions options = {});

class SentrelPlugin : public ulvar::kit::Plugin {
public:
    explicit SentrelPlugin(PluginOptions options = {});
    ~SentrelPlugin() override;

    void SetStartupInfo(const ulvar::HostStartupInfo& info) override;
    void GetPluginInfo(ulvar::PluginInfoRecord& info) override;
    ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) override;
    void ClosePlugin(ulvar::PanelHandle panel) override;
    void GetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord& info) override;
    int GetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count,
                    int opMode) override;
    void FreeFindData(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count) override;
    int SetDirectory(ulvar::PanelHandle panel, const char* dir, int opMode) override;
    int GetFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count, int move,
                 char* destPath, int opMode) override;
    int ProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) override;
    int ProcessEvent(ulvar::PanelHandle panel, int event, void* param) override;
    int Compare(ulvar::PanelHandle panel, const ulvar::PanelItem* a, const ulvar::PanelItem* b,
                unsigned sortMode) override;
    int Configure(int itemNumber) override;
    void ExitUlvar() override;

    Library& Lib() { return library_; }
    // The panel of a handle this plug-in returned, or null.
    PanelInstance* Find(ulvar::PanelHandle panel) const;

private:
    void ReadMappings();

    PluginOptions options_;
    Library library_;
    ulvar::kit::PluginMenus menus_;
    std::set<PanelInstance*> panels_;
};

} // namespace sentrel
