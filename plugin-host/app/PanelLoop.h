#pragma once

#include "plugin-host/standin/core/InteractiveUi.h"
#include "plugin-host/standin/core/PanelSession.h"
#include "plugin-host/standin/core/StandInHost.h"

namespace ulvar::standin {

// Shows the two panels and lets the user work in them while a plug-in's panel is open on either
// side: every key goes to the active plug-in panel's ProcessKey first; what it leaves, the
// session handles (PanelSession.h). A second without a key sends the plug-in panels of both sides
// an idle event.
void BrowsePanels(StandInHost& host, PanelSession& session, Terminal& terminal);

} // namespace ulvar::standin
