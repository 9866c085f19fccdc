#pragma once

#include "plugin-host/standin/core/StandInHost.h"
#include "plugin-host/standin/core/InteractiveUi.h"

namespace ulvar::standin {

// Shows the host's open plug-in panel and lets the user work in it until it closes: every key
// goes to the plug-in's ProcessKey first; what it leaves, the host handles (cursor keys, Insert
// selects, Enter enters a folder, F3 views an item, Ctrl+R rereads, Esc or F10 closes). A second
// without a key sends the plug-in an idle event.
void BrowsePanel(StandInHost& host, Terminal& terminal);

} // namespace ulvar::standin
