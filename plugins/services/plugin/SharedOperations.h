#pragma once

// The operations creation, deletion, descriptions and the driver properties share with the
// properties and control side of the services folder: the properties editor, the account's
// logon right, the configuration and description changes, the dependency editor and the stop
// before a deletion. This is the one place where they are reached.

#include "plugins/services/core/Creation.h"
#include "plugins/services/core/ServiceNode.h"

#include <string>
#include <windows.h>

namespace sentrel {

class ServiceFolder;

// The services properties editor on a service about to be created; false when cancelled.
bool EditNewServiceProperties(ServiceFolder& folder, NewService& service);
// After a creation: the right to log on as a service for the new service's account.
void GrantLogonRightAfterCreation(ServiceFolder& folder, const NewService& service);
// Writes only the description (ANSI; "" clears it) of a service. False on failure, which has been
// shown.
bool WriteDescription(ServiceFolder& folder, ServiceNode& record, const std::string& ansi);
// Stops a service or driver before its deletion, through the manager the deletion opened
// (dependents asked about). True when it is stopped.
bool StopForDeletion(ServiceFolder& folder, SC_HANDLE manager, ServiceNode& record);
// The dependency editor on a copy of a list (ANSI entries, "+" marking a group).
void EditDependencyList(ServiceFolder& folder, const ServiceNode& record,
                        std::vector<std::string>& dependencies);

} // namespace sentrel
