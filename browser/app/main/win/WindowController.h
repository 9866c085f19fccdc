#pragma once

#include "browser/app/main/core/Commands.h"

#include <windows.h>

namespace cobwen {

// One job of the main window with the commands it owns: the catalogue refresh now; the basket and
// its download run, the download-folder scan, the update check, the settings dialog and the tray
// join the window the same way. The window owns its controllers, tells them about its life and
// lets each run the commands of its rows in the command table.
class WindowController {
public:
    virtual ~WindowController() = default;

    // Runs `command` when it is this controller's (the window has checked its enabled rule);
    // false leaves it to the others.
    virtual bool Run(Command command) = 0;
    // Adds what this controller knows to the state the enabled rules read.
    virtual void AddState(CommandState& state) const = 0;
    // The window has loaded the local catalogue at a showing.
    virtual void Shown() {}
    // The window closes: end what runs.
    virtual void Closing() {}
    // A message of the window, before the window handles it; true when it was used here.
    virtual bool HandleMessage(UINT, WPARAM, LPARAM) { return false; }
};

} // namespace cobwen
