#pragma once

// Shift+F8: deleting the service or driver under the cursor, stopping it first.

namespace sentrel {

class ServiceFolder;

void DeleteItem(ServiceFolder& folder);

} // namespace sentrel
