#pragma once

// F4 in the devices folder: the properties of the driver under the cursor, written back and read
// anew.

#include "plugins/services/core/DriverConfig.h"

namespace sentrel {

class ServiceFolder;

// The devices folder's properties editor: 1 confirmed with changes filled in, 0 cancelled.
int EditDriverDialog(ServiceFolder& folder, const ServiceNode& record, DriverChanges& changes);
void EditDriverProperties(ServiceFolder& folder);

} // namespace sentrel
