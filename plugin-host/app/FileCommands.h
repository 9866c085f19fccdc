#pragma once

#include "plugin-host/standin/core/StandInHost.h"

namespace ulvar::standin {

// Keys of the panel that copy files into the plug-in's panel and delete its items.
inline constexpr int PutFileKey = 0x74;     // F5
inline constexpr int DeleteFilesKey = 0x77; // F8 (Delete does the same)

// F5: asks for a file (a full path, or a name in the host's current folder) and hands it to the
// plug-in's PutFiles with the current folder as the folder it comes from.
void PutFileFromPrompt(StandInHost& host);
// F8, Delete: the plug-in's DeleteFiles of the selection (the current item when none).
void DeleteFromPanel(StandInHost& host);

} // namespace ulvar::standin
