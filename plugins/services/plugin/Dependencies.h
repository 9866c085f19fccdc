#pragma once

// The dependency editor of the service and driver properties: a menu of the entries (services,
// and "+group" for load-order groups) with Ins (add), Del (remove), Ctrl+Up and Ctrl+Down (move);
// adding offers the groups and services of the computer (F2 switches between services and
// drivers), never the service itself nor what the list holds already.

#include <string>
#include <vector>

namespace sentrel {

class ServiceFolder;

// Edits entries in place until Escape or Enter; displayName and serviceName (ANSI) are the
// service's whose dependencies they are. The candidates come from the cached lists of the
// folder's computer, read (and cached) when missing.
void EditDependencies(ServiceFolder& folder, const std::string& displayName,
                      const std::string& serviceName, std::vector<std::string>& entries);

} // namespace sentrel
