#pragma once

// The operations creation, deletion and descriptions share with the properties and control side
// of the services folder: the properties editor, the account's logon right, the description
// change and the stop before a deletion. This is the one place where they are reached.

#include "plugins/services/core/Creation.h"
#include "plugins/services/core/ServiceNode.h"

#include <string>

namespace sentrel {

class ServiceFolder;

// The services properties editor on a service about to be created; false when cancelled.
bool EditNewServiceProperties(ServiceFolder& folder, NewService& service);
// After a creation: the right to log on as a service for the new service's account.
void GrantLogonRightAfterCreation(ServiceFolder& folder, const NewService& service);
// Writes only the description (ANSI; "" clears it) of a service. False on failure, which has been
// shown.
bool WriteDescription(ServiceFolder& folder, const ServiceNode& record, const std::string& ansi);

} // namespace sentrel
