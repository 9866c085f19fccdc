#pragma once

// Writing an edit record to Windows: under the service database lock, a description alone or a
// configuration change, the record read back afterwards. The record is replaced where it stands,
// so every panel item that shows it keeps pointing at a live record.

#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/ServiceNode.h"
#include "ulvar/Plugin.h"

namespace sentrel {

class ServiceFolder;

// The record that now stands for the service (record itself, holding the values read back, its
// state, state time and mark kept), or null on failure, which has been shown; the record is then
// unchanged. After a configuration change the account's logon right is granted.
ServiceNode* ApplyConfig(ServiceFolder& folder, ServiceNode& record, const ServiceConfigEdit& edit);

// A properties editor's changes to the record under the cursor (info as the editor was opened
// on): the selection marked, ApplyConfig, then the panel updated with the cursor on the record;
// on failure the marks cleared.
void ApplyPropertyChanges(ServiceFolder& folder, const ulvar::PanelInfo& info, ServiceNode& record,
                          const ServiceConfigEdit& edit);

} // namespace sentrel
