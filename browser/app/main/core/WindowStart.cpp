#include "browser/app/main/core/WindowStart.h"

namespace cobwen {

StartShow StartShowFor(MainWindowState state, bool minimizeToTray) {
    switch (state) {
    case MainWindowState::Maximized:
        return StartShow::Maximized;
    case MainWindowState::Minimized:
        return minimizeToTray ? StartShow::InTray : StartShow::Minimized;
    case MainWindowState::Normal:
        break;
    }
    // A value that cannot be applied gives normal.
    return StartShow::Normal;
}

} // namespace cobwen
