#pragma once

// The plug-in behind the entry points: settings, port names, host names, the listing, the process
// dialog, the idle refresh and the configuration dialog. One object lives from SetStartupInfo to
// ExitUlvar; it runs on the host's thread, only the resolver threads run beside it.

#include "plugin-host/kit/core/HostServices.h"
#include "plugin-host/kit/core/PluginMenus.h"
#include "plugin-host/kit/core/PluginModule.h"
#include "plugin-host/kit/win/RegistryValues.h"
#include "plugins/netstat/core/HostNameResolver.h"
#include "plugins/netstat/core/PanelLayout.h"
#include "plugins/netstat/core/PortNames.h"
#include "plugins/netstat/core/ProcessList.h"
#include "plugins/netstat/core/Settings.h"
#include "plugins/netstat/win/SystemTables.h"
#include "plugins/netstat/win/WinsockSession.h"
#include "ulvar/Plugin.h"

#include <memory>
#include <optional>
#include <string>

namespace sockwell {

struct PluginOptions {
    // The tables to read instead of the best the system has (tests of the other sources).
    std::optional<win::TableSource> source;
};

// The plug-in as sockwell.dll runs it: made by each SetStartupInfo, destroyed by ExitUlvar. Tests
// install it with options of their own.
ulvar::kit::PluginDefinition SockwellDefinition(PluginOptions options = {});

class SockwellPlugin : public ulvar::kit::Plugin {
public:
    explicit SockwellPlugin(PluginOptions options = {});
    // What ExitUlvar releases.
    ~SockwellPlugin() override;
    SockwellPlugin(const SockwellPlugin&) = delete;
    SockwellPlugin& operator=(const SockwellPlugin&) = delete;

    // Keeps the record, reads the settings and, when service names are on, ports.lst.
    void SetStartupInfo(const ulvar::HostStartupInfo& info) override;
    void GetPluginInfo(ulvar::PluginInfoRecord& info) override;
    ulvar::PanelHandle OpenPlugin(int, std::intptr_t) override { return PanelHandle(); }
    void GetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord& info) override;
    int GetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count,
                    int opMode) override;
    int ProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) override;
    int ProcessEvent(ulvar::PanelHandle panel, int event, void* param) override;
    int Configure(int itemNumber) override;

    // The one panel handle, whatever the panel was opened from.
    static ulvar::PanelHandle PanelHandle();

    const Settings& CurrentSettings() const { return settings_; }
    bool ExtendedMode() const { return extended_; }
    win::TableSource Source() const { return source_; }
    const PortNameTable& PortNames() const { return *ports_; }
    bool PortsRead() const { return portsRead_; }
    const RowProcessList& Processes() const { return processes_; }
    int ResolversStarted() const { return resolver_.ResolversStarted(); }
    const HostNameCache& HostNames() const { return *hostNames_; }

private:
    std::string Msg(int number) const;
    void ReadPortsOnce();
    void ShowProcessDialog(ulvar::PanelHandle panel);

    ulvar::kit::HostServices host_;
    ulvar::kit::win::RegistryValueStore settingsStore_{SettingsKey};
    win::SystemTables system_;
    win::TableSource source_;
    bool extended_ = false;
    win::WinsockSession sockets_;
    Settings settings_;
    std::unique_ptr<PortNameTable> ports_;
    bool portsRead_ = false;
    std::shared_ptr<HostNameCache> hostNames_;
    HostNameResolver resolver_;
    RowProcessList processes_;
    std::unique_ptr<PanelLayout> layout_;
    ulvar::kit::PluginMenus menus_;
};

} // namespace sockwell
