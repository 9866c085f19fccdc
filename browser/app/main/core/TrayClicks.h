#pragma once

namespace cobwen {

// The mouse on a tray icon, as its notifications arrive: a single left click is only raised when
// the double-click time has passed without a double click.
class TrayClicks {
public:
    enum class Mouse { LeftDown, LeftDoubleClick, RightUp, Other };
    enum class Reaction {
        None,
        StartTimer,  // start the one-shot timer of the double-click time
        DoubleClick, // raise OnDblClick
        ShowMenu,    // show the popup menu at the mouse
    };

    Reaction OnMouse(Mouse mouse, bool hasMenu);
    // The timer fired (and is stopped): true when a single click is to be raised.
    bool OnTimer();

private:
    bool doubleClicked_ = false;
};

} // namespace cobwen
