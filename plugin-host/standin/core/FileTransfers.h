#pragma once

// File operations between the host's own panels and a plug-in's, run as Ulvar runs them: while the
// plug-in works, the process's current folder is the folder of the host's file panel the files
// come from (the plug-in resolves the items' names against it), and afterwards it is what it was.

#include "plugin-host/standin/core/StandInHost.h"

#include <string>
#include <vector>

namespace ulvar::standin {

// PutFiles of the active plug-in panel with files of folder (names relative to it, or full paths),
// as StandInHost::PutFilesFrom does it. 0 when no plug-in panel is open there.
int PutFilesFromFolder(StandInHost& host, const std::string& folder, std::vector<PanelItem> items,
                       bool move = false, int opMode = 0);
// OpenPlugin while the current folder is the active file panel's folder (when it has one), as
// when the user calls the plug-in from the plug-ins menu over a panel of files.
PanelHandle OpenOverFilePanel(StandInHost& host, int origin, std::intptr_t item = 0);

} // namespace ulvar::standin
