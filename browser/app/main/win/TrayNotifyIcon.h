#pragma once

#include "browser/app/main/core/TrayClicks.h"

#include <functional>
#include <string>
#include <windows.h>

namespace cobwen {

class TIconManager;

// An icon in the notification area of the taskbar, with its tooltip, its popup menu and its
// click events; the manager's window receives its notifications.
class TTrayNotifyIcon {
public:
    explicit TTrayNotifyIcon(TIconManager& manager);
    TTrayNotifyIcon(const TTrayNotifyIcon&) = delete;
    TTrayNotifyIcon& operator=(const TTrayNotifyIcon&) = delete;
    // Removes a visible icon.
    ~TTrayNotifyIcon();

    // Null: the system's Windows-logo icon. Not owned.
    void SetIcon(HICON icon);
    // At most 63 characters are kept.
    void SetHint(const std::wstring& hint);
    const std::wstring& Hint() const { return hint_; }
    // Adds the icon to or removes it from the notification area; false when the notification
    // area refused (the icon is then not visible).
    bool SetIconVisible(bool visible);
    bool IconVisible() const { return visible_; }
    // Shown on a right click; the chosen entry's id goes as a command to `commandTarget`.
    void SetPopupMenu(HMENU menu, HWND commandTarget);
    std::function<void()> OnClick;
    std::function<void()> OnDblClick;

    UINT Id() const { return id_; }
    // From the manager: a mouse notification, the timer, and a new taskbar.
    void Notify(UINT mouseMessage);
    void TimerFired();
    void TaskbarCreated();

private:
    bool Send(DWORD action);

    TIconManager& manager_;
    UINT id_;
    HICON icon_ = nullptr;
    std::wstring hint_;
    bool visible_ = false;
    HMENU menu_ = nullptr;
    HWND commandTarget_ = nullptr;
    TrayClicks clicks_;
};

} // namespace cobwen
