#include "browser/app/main/win/TrayController.h"

#include "browser/app/settings/core/BrowserSettings.h"

namespace cobwen {

TrayController::TrayController(Parts parts) : parts_(parts), menu_(CreatePopupMenu()) {
    AppendMenuW(menu_.Get(), MF_STRING, RestoreId, L"Восстановить");
    AppendMenuW(menu_.Get(), MF_STRING, ExitId, L"Выход");
    icon_.SetIcon(parts_.Icon);
    icon_.SetPopupMenu(menu_.Get(), parts_.Window);
    icon_.OnDblClick = [this] {
        Restore();
    };
}

bool TrayController::MinimizeToTray() {
    // Hidden only with an icon to come back by.
    if (!icon_.SetIconVisible(true))
        return false;
    ShowWindow(parts_.Window, SW_HIDE);
    return true;
}

void TrayController::Restore() {
    ShowWindow(parts_.Window, IsIconic(parts_.Window) ? SW_RESTORE : SW_SHOW);
    SetForegroundWindow(parts_.Window);
    icon_.SetIconVisible(false);
}

bool TrayController::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_MINIMIZE) {
        // Without the setting, or when the notification area refuses the icon, the window
        // minimises as usual.
        return parts_.Settings.Settings.MinimizeToTray && MinimizeToTray();
    }
    if (message == WM_COMMAND && HIWORD(wParam) == 0) {
        switch (LOWORD(wParam)) {
        case RestoreId:
            Restore();
            return true;
        case ExitId:
            SendMessageW(parts_.Window, WM_CLOSE, 0, 0);
            return true;
        default:
            break;
        }
    }
    return false;
}

} // namespace cobwen
