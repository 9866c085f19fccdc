#include "plugins/startup/ulvarplus/HostRecord.h"

namespace ulvarplus {

int HostRecord::BuildNumber() const {
    if (!HasAdvControl())
        return 0;
    auto const version = static_cast<std::uint32_t>(services_.AdvControl(ulvar::AdvGetVersion));
    return static_cast<int>(version >> 16);
}

} // namespace ulvarplus
