#include "plugins/services/plugin/ApplyConfig.h"

#include "plugins/services/core/DependencyEditor.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/LogonRight.h"
#include "win32/ServiceHandle.h"

#include <windows.h>

namespace sentrel {

namespace {

constexpr std::uint32_t ConnectAndLock = 0x9;
constexpr std::uint32_t ReadAndChangeConfig = 0x20003;
constexpr int CannotLock = 130;
constexpr int CannotOpenForChange = 131; // drivers: 132
constexpr int CannotChange = 133;        // drivers: 134
constexpr int CannotReadChanged = 135;   // drivers: 136

// -1 is the system's "no change" in every number field.
DWORD NumberOrNoChange(std::int64_t value) {
    return value == NoChange ? SERVICE_NO_CHANGE : static_cast<DWORD>(value);
}

const char* TextIf(bool changed, const std::string& text) {
    return changed ? text.c_str() : nullptr;
}

// The manager of the panel's computer with its database locked; false when given up.
bool OpenLocked(PanelInstance& panel, win32::ServiceHandle& manager,
                win32::ServiceDatabaseLock& lock) {
    const Library& lib = panel.Lib();
    manager = panel.OpenManager(ConnectAndLock, 0);
    if (!manager.Valid())
        return false;
    for (;;) {
        lock = win32::ServiceDatabaseLock(lib.lockDatabase(manager.Get()));
        if (lock.Valid())
            return true;
        const unsigned long error = GetLastError();
        if (lib.ErrorPrompt(error, CannotLock, panel.ComputerText()) != 0) {
            manager.Reset();
            return false;
        }
    }
}

} // namespace

ServiceNode* ApplyConfig(ServiceFolder& folder, ServiceNode& record,
                         const ServiceConfigEdit& edit) {
    PanelInstance& panel = folder.Panel();
    const Library& lib = panel.Lib();
    win32::ServiceHandle manager;
    win32::ServiceDatabaseLock lock;
    if (!OpenLocked(panel, manager, lock))
        return nullptr;
    const int variant = folder.Drivers() ? 1 : 0;
    int heading = 0;
    std::uint32_t error = 0;
    {
        const win32::ServiceHandle service(
            OpenServiceA(manager.Get(), record.name.c_str(), ReadAndChangeConfig));
        if (!service.Valid()) {
            error = GetLastError();
            heading = CannotOpenForChange + variant;
        } else if (edit.descriptionOnly) {
            std::string text = edit.description;
            SERVICE_DESCRIPTIONA description{text.data()};
            if (lib.functions.changeConfig2 &&
                !lib.functions.changeConfig2(service.Get(), SERVICE_CONFIG_DESCRIPTION,
                                             &description)) {
                error = GetLastError();
                heading = CannotChange + variant;
            }
        } else {
            const std::string dependencies = DoubleZeroList(edit.dependencies);
            if (!lib.changeConfig(service.Get(), NumberOrNoChange(edit.serviceType),
                                  NumberOrNoChange(edit.startType),
                                  NumberOrNoChange(edit.errorControl),
                                  TextIf(edit.changedBinaryPath, edit.binaryPath),
                                  TextIf(edit.changedGroup, edit.loadOrderGroup), nullptr,
                                  edit.changedDependencies ? dependencies.data() : nullptr,
                                  TextIf(edit.changedAccount, edit.account),
                                  TextIf(edit.changedPassword, edit.password),
                                  TextIf(edit.changedDisplayName, edit.displayName))) {
                error = GetLastError();
                heading = CannotChange + variant;
            } else {
                const bool withDescription = panel.IsLocal() || lib.settings.remoteDescrs;
                std::optional<ServiceNode> fresh = win::ReadServiceRecord(
                    service.Get(), record.name,
                    withDescription ? lib.functions.queryConfig2 : nullptr, error);
                if (!fresh) {
                    heading = CannotReadChanged + variant;
                } else {
                    // In place: every item showing the record sees the new values.
                    fresh->state = record.state;
                    fresh->readTime = record.readTime;
                    fresh->mark = record.mark;
                    if (!withDescription)
                        fresh->description = record.description;
                    record = std::move(*fresh);
                }
            }
        }
    }
    lock.Reset();
    manager.Reset();
    if (heading != 0) {
        lib.ErrorNotice(error, heading, lib.text.OemFromAnsi(record.config.displayName));
        return nullptr;
    }
    GrantLogonRight(folder, record, edit);
    return &record;
}

void ApplyPropertyChanges(ServiceFolder& folder, const ulvar::PanelInfo& info, ServiceNode& record,
                          const ServiceConfigEdit& edit) {
    folder.MarkSelection(info);
    const ServiceNode* changed = ApplyConfig(folder, record, edit);
    if (!changed) {
        ServiceFolder::ClearMarks(info);
        return;
    }
    const std::string name = changed->name;
    PanelInstance& panel = folder.Panel();
    panel.Lib().host.Control(panel.Handle(), ulvar::ControlUpdatePanel, nullptr);
    folder.Reselect(&name);
}

} // namespace sentrel
