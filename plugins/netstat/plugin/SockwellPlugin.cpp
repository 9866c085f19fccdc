#include "plugins/netstat/plugin/SockwellPlugin.h"

#include "plugins/netstat/core/Dialogs.h"
#include "plugins/netstat/core/Listing.h"
#include "plugins/netstat/core/Messages.h"
#include "plugins/netstat/core/RowTexts.h"
#include "plugins/netstat/win/PortsFile.h"
#include "plugins/netstat/win/ResolverThread.h"

namespace sockwell {

namespace {

constexpr int F3 = 0x72;

} // namespace

ulvar::kit::PluginDefinition SockwellDefinition(PluginOptions options) {
    return {ulvar::kit::Lifetime::StartupToExit, [options] {
                return std::make_unique<SockwellPlugin>(options);
            }};
}

SockwellPlugin::SockwellPlugin(PluginOptions options)
    : source_(options.source.value_or(system_.BestSource())),
      extended_(source_ != win::TableSource::Plain && system_.Has(source_) &&
                system_.HasSnapshot()),
      ports_(std::make_unique<PortNameTable>()), hostNames_(std::make_shared<HostNameCache>()),
      resolver_(hostNames_, win::LookUpHostName, win::StartResolverThread) {
}

void SockwellPlugin::SetStartupInfo(const ulvar::HostStartupInfo& info) {
    settings_ = ulvar::kit::ReadSettings(settingsStore_, SettingsValues);
    host_.Keep(info);
    if (settings_.ResolvePortNames())
        ReadPortsOnce();
}

SockwellPlugin::~SockwellPlugin() {
    processes_.clear();
    ports_.reset();
    // Resolver threads still running keep the cache object alive through their own share;
    // releasing it here frees the names and makes their late stores no-ops.
    hostNames_->Release();
}

ulvar::PanelHandle SockwellPlugin::PanelHandle() {
    static int const panel = 0;
    return const_cast<int*>(&panel);
}

std::string SockwellPlugin::Msg(int number) const {
    return host_.Msg(number);
}

void SockwellPlugin::ReadPortsOnce() {
    if (portsRead_)
        return;
    portsRead_ = true;
    win::ReadPortsFile(win::PortsFilePath(host_.Info().ModuleName), *ports_);
}

void SockwellPlugin::GetPluginInfo(ulvar::PluginInfoRecord& info) {
    // The title in the disks menu (without a hot digit), the plug-ins menu and the configuration.
    const char* const title = host_.Msg(msg::Title);
    menus_.disksMenu = {title};
    menus_.disksMenuNumbers = {0};
    menus_.pluginsMenu = {title};
    menus_.configMenu = {title};
    menus_.Fill(info);
}

void SockwellPlugin::GetOpenPluginInfo(ulvar::PanelHandle, ulvar::OpenPluginInfoRecord& info) {
    if (!layout_)
        layout_ = std::make_unique<PanelLayout>(
            Msg(msg::Title),
            std::array<std::string, 4>{Msg(msg::ColumnName), Msg(msg::ColumnLocal),
                                       Msg(msg::ColumnRemote), Msg(msg::ColumnState)});
    layout_->Fill(info);
}

int SockwellPlugin::GetFindData(ulvar::PanelHandle, ulvar::PanelItem** items, int* count, int) {
    processes_.clear();
    auto const tables = system_.Read(extended_ ? source_ : win::TableSource::Plain);
    AddressFormatter const format(
        settings_, *ports_, [this](std::uint32_t address) { return resolver_.HostName(address); });
    Rows rows;
    if (extended_) {
        auto const snapshot = system_.TakeSnapshot();
        ProcessNameLookup const names = [&snapshot](std::uint32_t id) {
            return snapshot.Name(id);
        };
        rows = BuildRows(tables, format, &names, processes_);
    } else {
        rows = BuildRows(tables, format, nullptr, processes_);
    }
    *items = rows.items;
    *count = rows.count;
    return 1;
}

int SockwellPlugin::ProcessKey(ulvar::PanelHandle panel, int key, unsigned) {
    if (key != F3 || !extended_)
        return 0;
    ShowProcessDialog(panel);
    return 1;
}

void SockwellPlugin::ShowProcessDialog(ulvar::PanelHandle panel) {
    ulvar::PanelInfo info{};
    if (!host_.Control(panel, ulvar::ControlGetPanelInfo, &info))
        return;
    // The host's ".." stands for no connection.
    if (info.CurrentItem < 0 || info.CurrentItem >= info.ItemsNumber || !info.PanelItems ||
        info.PanelItems[info.CurrentItem].UserData == 0)
        return;
    const ProcessEntry* entry = CurrentRowProcess(info, processes_);
    auto dialog = ProcessDialog(entry, [this](int number) { return Msg(number); });
    host_.Dialog(dialog.width, dialog.height, dialog.items);
}

int SockwellPlugin::ProcessEvent(ulvar::PanelHandle panel, int event, void*) {
    if (event == ulvar::EventIdle && settings_.RefreshWhenIdle()) {
        host_.Control(panel, ulvar::ControlUpdatePanel, reinterpret_cast<void*>(1));
        host_.Control(panel, ulvar::ControlRedrawPanel, nullptr);
    }
    return 0;
}

int SockwellPlugin::Configure(int) {
    auto dialog = ConfigDialog(settings_, [this](int number) { return Msg(number); });
    int const closing =
        host_.Dialog(dialog.width, dialog.height, dialog.items, host_.Msg(msg::Title));
    auto const accepted = ConfigDialogResult(closing, dialog.items);
    if (!accepted)
        return 0;
    // A failed write leaves the new settings in force until the plug-in is unloaded.
    ulvar::kit::WriteSettings(settingsStore_, SettingsValues, *accepted);
    settings_ = *accepted;
    if (settings_.ResolvePortNames())
        ReadPortsOnce();
    return 1;
}

} // namespace sockwell
