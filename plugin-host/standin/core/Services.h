#pragma once

// The C functions handed to plug-ins in HostStartupInfo. They carry no context, so each forwards
// to StandInHost::Current(); no exception leaves them.

#include "ulvar/Plugin.h"

namespace ulvar::standin::services {

void Fill(HostStartupInfo& info);

} // namespace ulvar::standin::services
