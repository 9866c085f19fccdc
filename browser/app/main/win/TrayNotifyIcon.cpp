#include "browser/app/main/win/TrayNotifyIcon.h"

#include "browser/app/main/win/IconManager.h"

#include <shellapi.h>

namespace cobwen {

namespace {
constexpr std::size_t MaxHint = 63;
} // namespace

TTrayNotifyIcon::TTrayNotifyIcon(TIconManager& manager)
    : manager_(manager), id_(manager.Register(*this)) {
}

TTrayNotifyIcon::~TTrayNotifyIcon() {
    if (visible_)
        Send(NIM_DELETE);
    manager_.Unregister(id_);
}

void TTrayNotifyIcon::SetIcon(HICON icon) {
    icon_ = icon;
    if (visible_)
        Send(NIM_MODIFY);
}

void TTrayNotifyIcon::SetHint(const std::wstring& hint) {
    hint_ = hint.substr(0, MaxHint);
    if (visible_)
        Send(NIM_MODIFY);
}

bool TTrayNotifyIcon::SetIconVisible(bool visible) {
    if (visible == visible_)
        return true;
    if (visible) {
        visible_ = Send(NIM_ADD);
        return visible_;
    }
    Send(NIM_DELETE);
    visible_ = false;
    return true;
}

void TTrayNotifyIcon::SetPopupMenu(HMENU menu, HWND commandTarget) {
    menu_ = menu;
    commandTarget_ = commandTarget;
}

bool TTrayNotifyIcon::Send(DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = manager_.Window();
    data.uID = id_;
    if (action != NIM_DELETE) {
        data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
        data.uCallbackMessage = TIconManager::TrayMessage();
        data.hIcon =
            icon_ ? icon_
                  : LoadIconW(nullptr, MAKEINTRESOURCEW(reinterpret_cast<ULONG_PTR>(IDI_WINLOGO)));
        hint_.copy(data.szTip, std::size(data.szTip) - 1);
    }
    return Shell_NotifyIconW(action, &data) != FALSE;
}

void TTrayNotifyIcon::Notify(UINT mouseMessage) {
    using Mouse = TrayClicks::Mouse;
    const Mouse mouse = mouseMessage == WM_LBUTTONDOWN     ? Mouse::LeftDown
                        : mouseMessage == WM_LBUTTONDBLCLK ? Mouse::LeftDoubleClick
                        : mouseMessage == WM_RBUTTONUP     ? Mouse::RightUp
                                                           : Mouse::Other;
    switch (clicks_.OnMouse(mouse, menu_ && IsMenu(menu_))) {
    case TrayClicks::Reaction::StartTimer:
        SetTimer(manager_.Window(), id_, GetDoubleClickTime(), nullptr);
        break;
    case TrayClicks::Reaction::DoubleClick:
        if (OnDblClick)
            OnDblClick();
        break;
    case TrayClicks::Reaction::ShowMenu: {
        const HWND owner = manager_.Window();
        POINT point{};
        GetCursorPos(&point);
        SetForegroundWindow(owner);
        // The entry chosen comes back from the call: the manager's window is not where the
        // commands belong.
        const UINT command =
            static_cast<UINT>(TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                             point.x, point.y, 0, owner, nullptr));
        // So that the menu closes when the user clicks elsewhere next time.
        PostMessageW(owner, WM_NULL, 0, 0);
        if (command && commandTarget_ && IsWindow(commandTarget_))
            PostMessageW(commandTarget_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
        break;
    }
    case TrayClicks::Reaction::None:
        break;
    }
}

void TTrayNotifyIcon::TimerFired() {
    if (clicks_.OnTimer() && OnClick)
        OnClick();
}

void TTrayNotifyIcon::TaskbarCreated() {
    // The new taskbar knows no icon: a visible one is added again.
    if (visible_)
        visible_ = Send(NIM_ADD);
}

} // namespace cobwen
