#pragma once

// The properties of a service: F4 in the services folder, the dialogs "SvcPropDlg" and
// "SvcAdvPropDlg" that edit a ServiceConfigEdit, and the dependency editor reached from them.

#include "plugins/services/core/ServiceConfigEdit.h"

namespace sentrel {

class ServiceFolder;

// F4: the editor on the record under the cursor, the changes written, the panel updated.
void EditProperties(ServiceFolder& folder);

// The editor on edit, which holds the stored values on entry. On 1 (confirmed) the number fields
// hold -1 where unchanged, the texts their edited values (ANSI) with the change flags set where
// they differ; 0 when cancelled.
int EditServiceDialog(ServiceFolder& folder, ServiceConfigEdit& edit);

} // namespace sentrel
