#pragma once

#include "browser/app/main/win/IconManager.h"
#include "browser/app/main/win/TrayNotifyIcon.h"
#include "browser/app/main/win/WindowController.h"
#include "win32/Handle.h"

#include <windows.h>

namespace cobwen {

struct BrowserSettings;

// The tray: with MinimizeToTray, minimising the main window hides it and leaves the icon; a
// double click on the icon or its menu's "Восстановить" brings the window back, "Выход" closes it
// with its close query.
class TrayController final : public WindowController {
public:
    // The tray menu's entries, as commands of the main window.
    static constexpr UINT RestoreId = 3200;
    static constexpr UINT ExitId = 3201;

    struct Parts {
        const BrowserSettings& Settings;
        HWND Window; // the main window
        HICON Icon;  // the application's icon; not owned
    };

    explicit TrayController(Parts parts);

    // Hides the window once its icon is in the notification area; false, and nothing changed,
    // when the notification area refused the icon.
    bool MinimizeToTray();
    // Shows the window and removes the icon.
    void Restore();
    bool InTray() const { return icon_.IconVisible(); }

    TIconManager& Manager() { return manager_; }
    TTrayNotifyIcon& Icon() { return icon_; }
    HMENU Menu() const { return menu_.Get(); }

    bool Run(Command) override { return false; }
    void AddState(CommandState&) const override {}
    void Closing() override { icon_.SetIconVisible(false); }
    // The main window's system command for minimising and the tray menu's commands.
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    Parts parts_;
    TIconManager manager_;
    TTrayNotifyIcon icon_{manager_};
    win32::MenuHandle menu_;
};

} // namespace cobwen
