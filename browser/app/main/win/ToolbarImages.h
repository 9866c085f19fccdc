#pragma once

#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

namespace cobwen {

// The pictures of the toolbar's six buttons, in button order: settings, refresh, download, stop,
// about, exit. Drawn at run time so the program carries no image files; the caller destroys the
// list. `size` is the side of a picture in pixels.
HIMAGELIST CreateToolbarImages(int size);
// The program's icon (a stylised web), drawn the same way; the caller destroys it.
HICON CreateProgramIcon(int size);

} // namespace cobwen
