#pragma once

// A file panel over a real folder: listed through the platform (folders first, then files, in the
// panel's sort mode: by name without regard to case, by extension, by size (largest first), or
// unsorted in the system's order; reversed on request; a ".." first where the folder has a
// parent), entered, left. Other sort modes order by name.
// The selection and the cursor stay on the same names across a new listing.

#include "plugin-host/standin/core/FilePanel.h"
#include "plugin-host/standin/core/HostPlatform.h"

#include <string>

namespace ulvar::standin {

// folder and name with one delimiter between them (a backslash unless folder uses slashes).
std::string JoinFolder(const std::string& folder, const std::string& name);
// The folder that holds folder ("" for a root or a bare name).
std::string ParentFolder(const std::string& folder);
// Lists panel.folder again. False when the folder cannot be read (the panel then is empty).
bool ListFiles(FilePanel& panel, const HostPlatform& platform);
// Enter on the current item: into a folder, or up on "..", with the cursor on the folder left.
// False when the current item is a file or the folder cannot be read (the panel stays).
bool EnterFileItem(FilePanel& panel, const HostPlatform& platform);
// The system's path of an item of the panel.
std::string ItemPath(const FilePanel& panel, int index);

} // namespace ulvar::standin
