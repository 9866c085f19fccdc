#include "plugins/services/plugin/SharedOperations.h"

#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/plugin/Control.h"
#include "plugins/services/plugin/Dependencies.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/ServiceProperties.h"
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

const char* OrNull(const std::optional<std::string>& text) {
    return text ? text->c_str() : nullptr;
}

// The manager of the panel's computer with its database locked; false when given up.
bool OpenLocked(PanelInstance& panel, win32::ServiceHandle& manager,
                win32::ServiceDatabaseLock& lock) {
    const Library& lib = panel.Lib();
    manager = panel.OpenManager(ConnectAndLock, 0);
    if (!manager.Valid())
        return false;
    for (;;) {
        lock = win32::ServiceDatabaseLock(LockServiceDatabase(manager.Get()));
        if (lock.Valid())
            return true;
        const unsigned long error = GetLastError();
        if (lib.ErrorPrompt(error, CannotLock, panel.ComputerText()) != 0)
            return false;
    }
}

} // namespace

// The new service's values go through the services properties editor as an edit record; what
// it leaves unchanged (-1) is what the service started with.
bool EditNewServiceProperties(ServiceFolder& folder, NewService& service) {
    ServiceConfigEdit edit;
    edit.startType = service.startType;
    edit.serviceType = service.serviceType;
    edit.errorControl = service.errorControl;
    edit.displayName = service.displayName;
    edit.account = service.account;
    edit.binaryPath = service.binaryPath;
    edit.loadOrderGroup = service.loadOrderGroup;
    edit.dependencies = edit.dependenciesAsRead = service.dependencies;
    edit.serviceName = service.name;
    if (!EditServiceDialog(folder, edit))
        return false;
    service.serviceType =
        edit.serviceType == NoChange ? OwnProcess : static_cast<std::uint32_t>(edit.serviceType);
    service.startType =
        edit.startType == NoChange ? 3u : static_cast<std::uint32_t>(edit.startType);
    service.errorControl =
        edit.errorControl == NoChange ? 1u : static_cast<std::uint32_t>(edit.errorControl);
    service.displayName = edit.displayName;
    service.binaryPath = edit.binaryPath;
    service.loadOrderGroup = edit.loadOrderGroup;
    service.dependencies = edit.dependencies;
    service.account = edit.account;
    if (edit.changedPassword)
        service.password = edit.password;
    return true;
}

// Nothing to grant for the local system account, the only account creation offers without the
// properties editor.
void GrantLogonRightAfterCreation(ServiceFolder&, const NewService&) {
}

bool WriteDescription(ServiceFolder& folder, const ServiceNode& record, const std::string& ansi) {
    PanelInstance& panel = folder.Panel();
    const Library& lib = panel.Lib();
    if (!lib.functions.changeConfig2)
        return true;
    win32::ServiceHandle manager;
    win32::ServiceDatabaseLock lock;
    if (!OpenLocked(panel, manager, lock))
        return false;
    const int variant = folder.Drivers() ? 1 : 0;
    int heading = 0;
    unsigned long error = 0;
    {
        const win32::ServiceHandle service(
            OpenServiceA(manager.Get(), record.name.c_str(), ReadAndChangeConfig));
        if (!service.Valid()) {
            error = GetLastError();
            heading = CannotOpenForChange + variant;
        } else {
            std::string text = ansi;
            SERVICE_DESCRIPTIONA description{text.data()};
            if (!lib.functions.changeConfig2(service.Get(), SERVICE_CONFIG_DESCRIPTION,
                                             &description)) {
                error = GetLastError();
                heading = CannotChange + variant;
            }
        }
    }
    lock.Reset();
    manager.Reset();
    if (heading == 0)
        return true;
    lib.ErrorNotice(error, heading, lib.text.OemFromAnsi(record.config.displayName));
    return false;
}

// The services folder's ApplyConfig is not linked into this step: the driver's changes are
// written here with ChangeServiceConfigA.
bool ApplyDriverChanges(ServiceFolder& folder, ServiceNode& record, const DriverChanges& changes) {
    PanelInstance& panel = folder.Panel();
    const Library& lib = panel.Lib();
    win32::ServiceHandle manager;
    win32::ServiceDatabaseLock lock;
    if (!OpenLocked(panel, manager, lock))
        return false;
    const int variant = folder.Drivers() ? 1 : 0;
    int heading = 0;
    std::uint32_t error = 0;
    {
        const win32::ServiceHandle service(
            OpenServiceA(manager.Get(), record.name.c_str(), ReadAndChangeConfig));
        std::optional<std::string> dependencies;
        if (changes.dependencies) {
            dependencies.emplace();
            for (const std::string& entry : *changes.dependencies) {
                *dependencies += entry;
                *dependencies += '\0';
            }
            *dependencies += '\0';
        }
        if (!service.Valid()) {
            error = GetLastError();
            heading = CannotOpenForChange + variant;
        } else if (!ChangeServiceConfigA(service.Get(), SERVICE_NO_CHANGE,
                                         changes.startType.value_or(SERVICE_NO_CHANGE),
                                         changes.errorControl.value_or(SERVICE_NO_CHANGE),
                                         OrNull(changes.binaryPath), OrNull(changes.loadOrderGroup),
                                         nullptr, dependencies ? dependencies->data() : nullptr,
                                         OrNull(changes.objectName), nullptr,
                                         OrNull(changes.displayName))) {
            error = GetLastError();
            heading = CannotChange + variant;
        } else {
            std::optional<ServiceNode> fresh = win::ReadServiceRecord(
                service.Get(), record.name,
                panel.IsLocal() || lib.settings.remoteDescrs ? lib.functions.queryConfig2 : nullptr,
                error);
            if (!fresh) {
                heading = CannotReadChanged + variant;
            } else {
                fresh->state = record.state;
                fresh->readTime = record.readTime;
                fresh->mark = record.mark;
                record = std::move(*fresh);
            }
        }
    }
    lock.Reset();
    manager.Reset();
    if (heading == 0)
        return true;
    lib.ErrorNotice(error, heading, lib.text.OemFromAnsi(record.config.displayName));
    return false;
}

// The control run's stop: no question of its own (the deletion asked), a stopped service is done
// at once, active dependents are stopped first after asking.
bool StopForDeletion(ServiceFolder& folder, SC_HANDLE manager, ServiceNode& record) {
    return RunControl(folder, manager, record, OpStop, ControlNoConfirm | ControlTargetIsDone) == 1;
}

void EditDependencyList(ServiceFolder& folder, const ServiceNode& record,
                        std::vector<std::string>& dependencies) {
    EditDependencies(folder, record.config.displayName, record.name, dependencies);
}

} // namespace sentrel
