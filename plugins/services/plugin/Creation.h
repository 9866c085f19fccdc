#pragma once

// Shift+F4 in the services folder: a new service from a name, a display name and a program.

namespace sentrel {

class ServiceFolder;

void CreateNewService(ServiceFolder& folder);

} // namespace sentrel
