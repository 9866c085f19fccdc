#include "plugins/services/plugin/Deletion.h"

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/SharedOperations.h"

#include <windows.h>

namespace sentrel {

namespace {

constexpr std::uint32_t ConfirmDeletion = 0x10;
constexpr std::uint32_t ConnectAndLock = 0x9;
constexpr std::uint32_t DeleteAccess = 0x10000;
constexpr int Confirmation = 58;
constexpr int Cancel = 61, DeleteButton = 66, DeleteAnyway = 62, DontDelete = 63;
constexpr int DeleteQuestion = 94;    // drivers: 95
constexpr int CannotStopDelete = 114; // drivers: 115
constexpr int CannotDelete = 112;
constexpr int CannotLock = 130;

} // namespace

void DeleteItem(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    ulvar::PanelInfo info{};
    ServiceNode* record = folder.CurrentRecord(info);
    if (!record)
        return;
    const int variant = folder.Drivers() ? 1 : 0;
    const std::string displayName = lib.text.OemFromAnsi(record->config.displayName);
    auto text = [&lib](int number) {
        return std::optional<std::string>(lib.Msg(number));
    };
    if (lib.settings.cfmFlags & ConfirmDeletion) {
        const int choice = lib.ShowMessage(
            {text(Confirmation), FillInserts(lib.Msg(DeleteQuestion + variant), {displayName}),
             text(Cancel), text(DeleteButton)},
            ulvar::MessageWarning, 2);
        if (choice != 1)
            return;
    }
    win32::ServiceHandle manager = panel.OpenManager(ConnectAndLock, 0);
    if (!manager.Valid())
        return;
    const std::string name = record->name;
    folder.MarkSelection(info);

    if (!StopForDeletion(folder, manager.Get(), *record)) {
        const int choice = lib.ShowMessage(
            {text(Confirmation), FillInserts(lib.Msg(CannotStopDelete + variant), {displayName}),
             text(DeleteAnyway), text(DontDelete)},
            ulvar::MessageWarning, 2);
        if (choice != 0) {
            ServiceFolder::ClearMarks(info);
            return;
        }
    }

    for (;;) {
        win32::ServiceDatabaseLock lock(lib.lockDatabase(manager.Get()));
        if (!lock.Valid()) {
            const unsigned long error = GetLastError();
            if (lib.ErrorPrompt(error, CannotLock, panel.ComputerText()) == 0)
                continue;
            break;
        }
        unsigned long error = 0;
        {
            const win32::ServiceHandle service(
                OpenServiceA(manager.Get(), name.c_str(), DeleteAccess));
            if (!service.Valid() || !DeleteService(service.Get()))
                error = GetLastError();
        }
        lock.Reset();
        if (error == 0) {
            if (const ListPtr list = lib.cache.FindList(panel.CacheKey(), folder.Drivers()))
                list->RemoveRecord(name);
            break;
        }
        if (lib.ErrorPrompt(error, CannotDelete, displayName, panel.ComputerText()) != 0)
            break;
    }
    manager.Reset();
    lib.host.Control(panel.Handle(), ulvar::ControlUpdatePanel, nullptr);
    folder.Reselect(nullptr);
    panel.RefreshOtherPanel();
}

} // namespace sentrel
