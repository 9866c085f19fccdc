#pragma once

#include "browser/app/settings/core/MainWindowSettings.h"

namespace cobwen {

// How the main window first appears, by the stored WindowState.
enum class StartShow { Normal, Maximized, Minimized, InTray };
StartShow StartShowFor(MainWindowState state, bool minimizeToTray);

} // namespace cobwen
