#include "plugins/netstat/plugin/SockwellPlugin.h"

#include "plugins/netstat/core/Dialogs.h"
#include "plugins/netstat/core/Listing.h"
#include "plugins/netstat/core/Messages.h"
#include "plugins/netstat/core/RowTexts.h"
#include "plugins/netstat/win/PortsFile.h"
#include "plugins/netstat/win/ResolverThread.h"
#include "plugins/netstat/win/SettingsStore.h"

#include <algorithm>
#include <cstring>

namespace sockwell {

namespace {

constexpr int F3 = 0x72;

} // namespace

SockwellPlugin::SockwellPlugin(const ulvar::HostStartupInfo& info, PluginOptions options)
    : source_(options.source.value_or(system_.BestSource())),
      extended_(source_ != win::TableSource::Plain && system_.Has(source_) &&
                system_.HasSnapshot()),
      settings_(win::ReadSettings()), ports_(std::make_unique<PortNameTable>()),
      hostNames_(std::make_shared<HostNameCache>()),
      resolver_(hostNames_, win::LookUpHostName, win::StartResolverThread) {
    std::memcpy(&info_, &info,
                std::min(sizeof info_, static_cast<std::size_t>(std::max(info.StructSize, 0))));
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
    const char* text = info_.GetMsg ? info_.GetMsg(info_.ModuleNumber, number) : nullptr;
    return text ? text : "";
}

void SockwellPlugin::ReadPortsOnce() {
    if (portsRead_)
        return;
    portsRead_ = true;
    win::ReadPortsFile(win::PortsFilePath(info_.ModuleName), *ports_);
}

void SockwellPlugin::GetPluginInfo(ulvar::PluginInfoRecord& info) {
    menuStrings_[0] = info_.GetMsg ? info_.GetMsg(info_.ModuleNumber, msg::Title) : "";
    info.Flags = 0;
    info.DisksMenuStrings = menuStrings_;
    info.DisksMenuNumbers = disksNumbers_;
    info.DisksMenuStringsNumber = 1;
    info.PluginMenuStrings = menuStrings_;
    info.PluginMenuStringsNumber = 1;
    info.PluginConfigStrings = menuStrings_;
    info.PluginConfigStringsNumber = 1;
    info.CommandPrefix = nullptr;
}

void SockwellPlugin::GetOpenPluginInfo(ulvar::OpenPluginInfoRecord& info) {
    if (!layout_)
        layout_ = std::make_unique<PanelLayout>(
            Msg(msg::Title),
            std::array<std::string, 4>{Msg(msg::ColumnName), Msg(msg::ColumnLocal),
                                       Msg(msg::ColumnRemote), Msg(msg::ColumnState)});
    layout_->Fill(info);
}

int SockwellPlugin::GetFindData(ulvar::PanelItem** items, int* count) {
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

void SockwellPlugin::FreeFindData(ulvar::PanelItem* items, int count) {
    FreeRows(items, count);
}

int SockwellPlugin::ProcessKey(ulvar::PanelHandle panel, int key, unsigned) {
    if (key != F3 || !extended_)
        return 0;
    ShowProcessDialog(panel);
    return 1;
}

void SockwellPlugin::ShowProcessDialog(ulvar::PanelHandle panel) {
    ulvar::PanelInfo info{};
    if (!info_.Control || !info_.Control(panel, ulvar::ControlGetPanelInfo, &info))
        return;
    // Position 0 is the host's "..": it stands for no connection.
    if (info.CurrentItem <= 0)
        return;
    auto const index = static_cast<std::size_t>(info.CurrentItem - 1);
    const ProcessEntry* entry = index < processes_.size() ? &processes_[index] : nullptr;
    auto dialog = ProcessDialog(entry, [this](int number) { return Msg(number); });
    if (info_.Dialog)
        info_.Dialog(info_.ModuleNumber, -1, -1, dialog.width, dialog.height, nullptr,
                     dialog.items.data(), static_cast<int>(dialog.items.size()));
}

int SockwellPlugin::ProcessEvent(ulvar::PanelHandle panel, int event, void*) {
    if (event == ulvar::EventIdle && settings_.RefreshWhenIdle() && info_.Control) {
        info_.Control(panel, ulvar::ControlUpdatePanel, reinterpret_cast<void*>(1));
        info_.Control(panel, ulvar::ControlRedrawPanel, nullptr);
    }
    return 0;
}

int SockwellPlugin::Configure() {
    auto dialog = ConfigDialog(settings_, [this](int number) { return Msg(number); });
    std::string const help = Msg(msg::Title);
    int const closing =
        info_.Dialog
            ? info_.Dialog(info_.ModuleNumber, -1, -1, dialog.width, dialog.height, help.c_str(),
                           dialog.items.data(), static_cast<int>(dialog.items.size()))
            : -1;
    auto const accepted = ConfigDialogResult(closing, dialog.items);
    if (!accepted)
        return 0;
    // A failed write leaves the new settings in force until the plug-in is unloaded.
    win::WriteSettings(*accepted);
    settings_ = *accepted;
    if (settings_.ResolvePortNames())
        ReadPortsOnce();
    return 1;
}

} // namespace sockwell
