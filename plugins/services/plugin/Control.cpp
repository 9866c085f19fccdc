#include "plugins/services/plugin/Control.h"

#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugins/services/core/ConfirmFlags.h"
#include "plugins/services/core/ControlRun.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/win/ServiceControl.h"

namespace sentrel {

namespace {

constexpr std::uint32_t ConnectAccess = 0x1;
constexpr int BusyServices = 56;
constexpr int StartDialogTitle = 229;
constexpr int StartDialogService = 230;
constexpr int StartDialogParameters = 231;
constexpr int StartDialogStart = 232;
constexpr int StartDialogCancel = 233;
constexpr int StartDialogStartItem = 6;
constexpr int CannotReadState = 126;

// RunControl's view of the plug-in: the folder's panel and library, the manager the caller opened.
class FolderControlHost : public ControlHost {
public:
    FolderControlHost(ServiceFolder& folder, SC_HANDLE manager)
        : folder_(folder), panel_(folder.Panel()), lib_(panel_.Lib()), manager_(manager) {}
    ~FolderControlHost() override { RestoreScreen(); }
    FolderControlHost(const FolderControlHost&) = delete;
    FolderControlHost& operator=(const FolderControlHost&) = delete;

    std::unique_ptr<ServicePort> NewPort() override { return lib_.servicePort(manager_); }
    bool Drivers() const override { return folder_.Drivers(); }
    std::string Msg(int number) const override { return lib_.Msg(number); }
    std::string OemFromAnsi(const std::string& ansi) const override {
        return lib_.text.OemFromAnsi(ansi);
    }
    std::string ComputerText() const override { return panel_.ComputerText(); }
    std::uint32_t CfmFlags() const override { return lib_.settings.cfmFlags; }
    void BusyTitle(bool on) override {
        if (on)
            panel_.SetTitleOverride(lib_.Msg(BusyServices + (Drivers() ? 1 : 0)));
        else
            panel_.ClearTitleOverride();
        panel_.RedrawAndFlush();
    }
    int Message(const std::vector<std::optional<std::string>>& texts, std::uint32_t flags,
                int buttons, std::uint32_t error) override {
        return lib_.ShowMessage(texts, flags, buttons, error);
    }
    int ErrorPrompt(std::uint32_t error, int number, const std::string& insert) override {
        return lib_.ErrorPrompt(error, number, insert);
    }
    void ShowProgress(const std::vector<std::string>& lines) override {
        std::vector<std::optional<std::string>> texts(lines.begin(), lines.end());
        lib_.ShowMessage(texts, 0, 0);
    }
    void SaveScreen() override {
        RestoreScreen();
        saved_ = lib_.host.SaveWholeScreen();
    }
    void RestoreScreen() override {
        if (saved_)
            lib_.host.RestoreScreen(saved_);
        saved_ = nullptr;
    }
    std::uint32_t Ticks() override { return GetTickCount(); }
    void Sleep(std::uint32_t milliseconds) override { ::Sleep(milliseconds); }
    void ClearAbort() override { lib_.abort = false; }
    bool Aborted() override { return lib_.abort.load(); }
    std::uint64_t Now() override { return win::NowUtc(); }
    ServiceList* CachedList(bool drivers) override {
        return lib_.cache.FindList(panel_.CacheKey(), drivers).get();
    }

private:
    ServiceFolder& folder_;
    PanelInstance& panel_;
    Library& lib_;
    SC_HANDLE manager_;
    void* saved_ = nullptr;
};

bool PanelInfoOf(ServiceFolder& folder, ulvar::PanelInfo& info) {
    info = {};
    return folder.Panel().Lib().host.Control(folder.Panel().Handle(), ulvar::ControlGetPanelInfo,
                                             &info) != 0;
}

std::vector<ServiceNode*> SelectedRecords(const ulvar::PanelInfo& info) {
    std::vector<ServiceNode*> records;
    for (int i = 0; info.SelectedItems && i < info.SelectedItemsNumber; ++i)
        if (ServiceNode* record = RecordOf(info.SelectedItems[i]))
            records.push_back(record);
    return records;
}

// After a key's operations: the host lists the panel again with the marks as its selection.
void Finish(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    panel.Lib().host.Control(panel.Handle(), ulvar::ControlUpdatePanel, nullptr);
    folder.Reselect(nullptr);
    panel.RefreshOtherPanel();
}

bool Confirm(ServiceFolder& folder, ConfirmKind kind, const std::string& insert) {
    Library& lib = folder.Panel().Lib();
    return ConfirmOperation(
        kind, folder.Drivers(), lib.settings.cfmFlags, insert,
        [&lib](int n) { return std::string(lib.Msg(n)); },
        [&lib](const ConfirmQuestion& question) {
            std::vector<std::optional<std::string>> texts(question.texts.begin(),
                                                          question.texts.end());
            return lib.ShowMessage(texts, question.warning ? ulvar::MessageWarning : 0u, 2);
        });
}

std::string Shortened(const std::string& text, std::size_t width) {
    if (text.size() <= width)
        return text;
    if (width <= 3)
        return text.substr(0, width);
    return text.substr(0, width - 3) + "...";
}

} // namespace

int RunControl(ServiceFolder& folder, SC_HANDLE manager, ServiceNode& record, int operation,
               unsigned flags, const std::vector<std::string>& parameters) {
    FolderControlHost host(folder, manager);
    return RunControl(host, record, operation, flags, parameters);
}

void ControlSelected(ServiceFolder& folder, KeyOperation operation) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    ulvar::PanelInfo info;
    if (!PanelInfoOf(folder, info) || info.SelectedItemsNumber < 1)
        return;
    const std::vector<ServiceNode*> records = SelectedRecords(info);
    const std::size_t count = records.size();
    if (count > 1 &&
        !Confirm(folder, ManyItemsKind(static_cast<int>(operation)), std::to_string(count)))
        return;
    win32::ServiceHandle manager = panel.OpenManager(ConnectAccess, 0);
    if (!manager.Valid())
        return;
    folder.MarkSelection(info);
    for (ServiceNode* record : records) {
        bool done = false;
        if (operation == KeyOperation::Restart) {
            done = (count != 1 || Confirm(folder, ConfirmKind::RestartOne,
                                          lib.text.OemFromAnsi(record->config.displayName))) &&
                   RunControl(folder, manager.Get(), *record, OpStop,
                              ControlNoConfirm | ControlTargetIsDone) != 0 &&
                   RunControl(folder, manager.Get(), *record, OpStart, ControlNoConfirm) != 0;
        } else {
            done = RunControl(folder, manager.Get(), *record, static_cast<int>(operation),
                              count != 1 ? ControlNoConfirm : 0u) != 0;
        }
        if (!done)
            break;
        record->mark = 0;
    }
    manager.Reset();
    Finish(folder);
}

void StartWithParameters(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    ulvar::PanelInfo info;
    ServiceNode* record = folder.CurrentRecord(info);
    if (!record)
        return;

    ulvar::kit::DialogItems dialog;
    dialog.DoubleBox(3, 1, 60, 10, lib.Msg(StartDialogTitle));
    const std::string label = lib.Msg(StartDialogService);
    dialog.Text(5, 3, label);
    const int nameX = 5 + static_cast<int>(label.size()) + 1;
    const std::size_t room = nameX < 59 ? static_cast<std::size_t>(59 - nameX) : 0;
    dialog.Text(nameX, 3, Shortened(lib.text.OemFromAnsi(record->config.displayName), room));
    dialog.Text(5, 5, lib.Msg(StartDialogParameters));
    dialog.Edit(5, 6, 58, "", "SentrelParamHist").Focus = 1;
    dialog.Separator(3, 8);
    dialog.Button(9, lib.Msg(StartDialogStart)).DefaultButton = 1;
    dialog.Button(9, lib.Msg(StartDialogCancel));
    std::vector<ulvar::DialogItem> items = std::move(dialog).Take();
    if (lib.host.Dialog(64, 12, items, "StartDlg") != StartDialogStartItem)
        return;

    std::vector<std::string> parameters = {record->name};
    for (std::string& parameter : SplitStartParameters(lib.text.AnsiFromOem(items[4].Data)))
        parameters.push_back(std::move(parameter));
    win32::ServiceHandle manager = panel.OpenManager(ConnectAccess, 0);
    if (!manager.Valid())
        return;
    folder.MarkSelection(info);
    RunControl(folder, manager.Get(), *record, OpStart, ControlNoConfirm, parameters);
    manager.Reset();
    Finish(folder);
}

void RefreshStates(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    ulvar::PanelInfo info;
    if (!PanelInfoOf(folder, info))
        return;
    const std::vector<ServiceNode*> records = SelectedRecords(info);
    if (records.empty())
        return;
    win32::ServiceHandle manager = panel.OpenManager(ConnectAccess, 0);
    if (!manager.Valid())
        return;
    folder.MarkSelection(info);
    const int cannotRead = CannotReadState + (folder.Drivers() ? 1 : 0);
    for (std::size_t i = 0; i < records.size();) {
        ServiceNode& record = *records[i];
        const std::string name = lib.text.OemFromAnsi(record.config.displayName);
        lib.abort = false;
        win::SystemServicePort service(manager.Get());
        std::uint32_t error = 0;
        ServiceStatusInfo status;
        const bool opened = service.Open(record.name, QueryAndReadAccess, error);
        panel.SetTitleOverride(lib.Msg(BusyServices + (folder.Drivers() ? 1 : 0)));
        panel.RedrawAndFlush();
        const bool read = opened && service.Query(status, error);
        service.Close();
        panel.ClearTitleOverride();
        panel.RedrawAndFlush();
        if (lib.abort.exchange(false)) {
            lib.ErrorNotice(ErrorCancelled, cannotRead, name);
            break;
        }
        if (read) {
            record.state = status.state;
            record.readTime = win::NowUtc();
            record.mark = 0;
            ++i;
            continue;
        }
        if (lib.ErrorPrompt(error, cannotRead, name) != 0)
            break;
    }
    manager.Reset();
    Finish(folder);
}

} // namespace sentrel
