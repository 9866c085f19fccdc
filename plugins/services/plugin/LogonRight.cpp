#include "plugins/services/plugin/LogonRight.h"

namespace sentrel {

// Placeholder until the account rights are linked in: nothing is granted.
void GrantLogonRight(ServiceFolder&, const ServiceNode&, const ServiceConfigEdit&) {
}

} // namespace sentrel
