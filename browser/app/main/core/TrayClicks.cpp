#include "browser/app/main/core/TrayClicks.h"

namespace cobwen {

TrayClicks::Reaction TrayClicks::OnMouse(Mouse mouse, bool hasMenu) {
    switch (mouse) {
    case Mouse::LeftDown:
        return Reaction::StartTimer;
    case Mouse::LeftDoubleClick:
        doubleClicked_ = true;
        return Reaction::DoubleClick;
    case Mouse::RightUp:
        return hasMenu ? Reaction::ShowMenu : Reaction::None;
    case Mouse::Other:
        break;
    }
    return Reaction::None;
}

bool TrayClicks::OnTimer() {
    const bool click = !doubleClicked_;
    doubleClicked_ = false;
    return click;
}

} // namespace cobwen
