#pragma once

// Ctrl+Z: the descriptions of the selected services (or of the one under the cursor), one dialog
// each; Escape ends the run.

namespace sentrel {

class ServiceFolder;

// 0 when the system cannot change descriptions (the key is the host's then), else 1.
int EditDescriptions(ServiceFolder& folder);

} // namespace sentrel
