#pragma once

// Writing an edit record to Windows: under the service database lock, a description alone or a
// configuration change, the record read back afterwards. The record is replaced where it stands,
// so every panel item that shows it keeps pointing at a live record.

#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/ServiceNode.h"

namespace sentrel {

class ServiceFolder;

// The record that now stands for the service (record itself, holding the values read back, its
// state, state time and mark kept), or null on failure, which has been shown; the record is then
// unchanged. After a configuration change the account's logon right is granted.
ServiceNode* ApplyConfig(ServiceFolder& folder, ServiceNode& record, const ServiceConfigEdit& edit);

} // namespace sentrel
