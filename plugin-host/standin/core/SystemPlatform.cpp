// The native build's platform for the host: see HostPlatform.h.

#include "plugin-host/standin/core/StandardPlatform.h"

namespace ulvar::standin {

HostPlatform& SystemPlatform() {
    static StandardPlatform platform;
    return platform;
}

} // namespace ulvar::standin
