#pragma once

// The HostUi of the interactive host: menus, dialogs and messages drawn into the virtual screen
// and driven by key presses, with the screen shown on a terminal after every change. The terminal
// is the real console in ulvar-host and a scripted one in tests.

#include "plugin-host/standin/core/HostUi.h"
#include "plugin-host/standin/core/Keys.h"
#include "plugin-host/standin/core/VirtualScreen.h"

namespace ulvar::standin {

class Terminal {
public:
    virtual ~Terminal() = default;
    // The next key press; false when none came within timeoutMs (-1: wait for ever) or the
    // input has ended.
    virtual bool ReadKey(KeyPress& key, int timeoutMs) = 0;
    // Shows the screen. withCursor: also place and show or hide the cursor as the screen says
    // (the host's own dialogs); otherwise the cursor is left as the plug-in set it.
    virtual void Show(const VirtualScreen& screen, bool withCursor) = 0;
};

class InteractiveUi : public HostUi {
public:
    explicit InteractiveUi(Terminal& terminal) : terminal_(terminal) {}
    // The screen to draw into; set once the host exists (the host owns the screen).
    void SetScreen(VirtualScreen* screen) { screen_ = screen; }

    MenuAnswer Menu(const MenuShown& menu) override;
    int Dialog(const DialogShown& dialog, std::vector<DialogItem>& items) override;
    int Message(const MessageShown& message) override;
    void Flushed(const VirtualScreen& screen) override { terminal_.Show(screen, false); }
    void ScreenRestored(const VirtualScreen& screen) override { terminal_.Show(screen, false); }

private:
    // Runs a menu, dialog or message until it closes; the screen under it is put back.
    template <typename Widget> void Run(Widget& widget);

    Terminal& terminal_;
    VirtualScreen* screen_ = nullptr;
};

} // namespace ulvar::standin
