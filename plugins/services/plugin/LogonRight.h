#pragma once

// The right to log on as a service for the account a Win32 service runs under, asked of the
// panel's computer, and for the replication service the membership of the Replicator group. The
// outcome is shown: an error, or what was granted.

#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/ServiceNode.h"

namespace sentrel {

class ServiceFolder;

void GrantLogonRight(ServiceFolder& folder, const ServiceNode& record,
                     const ServiceConfigEdit& edit);

} // namespace sentrel
