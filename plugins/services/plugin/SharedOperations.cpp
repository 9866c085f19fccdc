#include "plugins/services/plugin/SharedOperations.h"

#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Control.h"
#include "plugins/services/plugin/Dependencies.h"
#include "plugins/services/plugin/Folders.h"
#include "win32/ServiceHandle.h"

#include <windows.h>

namespace sentrel {

// The properties editor of the services folder is not linked into this step: the new service
// keeps what the creation dialog gave it (own process, manual start, normal error control, the
// local system account).
bool EditNewServiceProperties(ServiceFolder&, NewService&) {
    return true;
}

// Nothing to grant for the local system account, the only account creation offers without the
// properties editor.
void GrantLogonRightAfterCreation(ServiceFolder&, const NewService&) {
}

bool WriteDescription(ServiceFolder& folder, ServiceNode& record, const std::string& ansi) {
    ServiceConfigEdit edit;
    edit.serviceName = record.name;
    edit.descriptionOnly = true;
    edit.description = ansi;
    return ApplyConfig(folder, record, edit) != nullptr;
}

bool ApplyDriverChanges(ServiceFolder& folder, ServiceNode& record, const DriverChanges& changes) {
    ServiceConfigEdit edit;
    edit.serviceName = record.name;
    if (changes.startType)
        edit.startType = *changes.startType;
    if (changes.errorControl)
        edit.errorControl = *changes.errorControl;
    const auto take = [](const std::optional<std::string>& change, std::string& text) {
        if (change)
            text = *change;
        return change.has_value();
    };
    edit.changedDisplayName = take(changes.displayName, edit.displayName);
    edit.changedBinaryPath = take(changes.binaryPath, edit.binaryPath);
    edit.changedGroup = take(changes.loadOrderGroup, edit.loadOrderGroup);
    // A driver's object name is what the account field holds for a service.
    edit.changedAccount = take(changes.objectName, edit.account);
    if (changes.dependencies) {
        edit.dependencies = *changes.dependencies;
        edit.changedDependencies = true;
    }
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
