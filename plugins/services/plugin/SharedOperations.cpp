#include "plugins/services/plugin/SharedOperations.h"

#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Control.h"
#include "plugins/services/plugin/Dependencies.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/LogonRight.h"
#include "plugins/services/plugin/ServiceProperties.h"
#include "win32/ServiceHandle.h"

#include <windows.h>

namespace sentrel {

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

// The new service's account gets the right to log on as a service, as after a change of it.
void GrantLogonRightAfterCreation(ServiceFolder& folder, const NewService& service) {
    ServiceNode record;
    record.name = service.name;
    record.config.serviceType = service.serviceType;
    record.config.displayName = service.displayName.empty() ? service.name : service.displayName;
    record.config.account = service.account;
    ServiceConfigEdit edit;
    edit.serviceName = service.name;
    edit.displayName = record.config.displayName;
    edit.account = service.account;
    GrantLogonRight(folder, record, edit);
}

bool WriteDescription(ServiceFolder& folder, ServiceNode& record, const std::string& ansi) {
    ServiceConfigEdit edit;
    edit.serviceName = record.name;
    edit.descriptionOnly = true;
    edit.description = ansi;
    return ApplyConfig(folder, record, edit) != nullptr;
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
