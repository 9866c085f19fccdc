#pragma once

#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/core/InteractiveUi.h"

#include <string>

namespace ulvar::standin {

// The host's menu of what the plug-in offers: its plug-ins-menu and disks-menu entries, its
// configuration entries and, when it has a prefix, a command line. Runs until Esc.
void RunMainMenu(StandInHost& host, InteractiveUi& ui, Terminal& terminal);

} // namespace ulvar::standin
