#pragma once

#include "plugin-host/standin/core/InteractiveUi.h"
#include "plugin-host/standin/core/PanelSession.h"
#include "plugin-host/standin/core/StandInHost.h"

namespace ulvar::standin {

// The host's menu of what the plug-ins offer: their plug-ins-menu and disks-menu entries with hot
// digits, their configuration entries and, for a prefix, a command line. A panel opened from it
// is shown beside a folder until no plug-in panel is left. Runs until Esc.
void RunMainMenu(StandInHost& host, PanelSession& session, InteractiveUi& ui, Terminal& terminal);

} // namespace ulvar::standin
