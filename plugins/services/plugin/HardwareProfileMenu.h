#pragma once

// Alt+F4 in the services and devices folders: the hardware profiles in which the devices of the
// service under the cursor are enabled.

namespace sentrel {

class ServiceFolder;

void EditHardwareProfiles(ServiceFolder& folder);

} // namespace sentrel
