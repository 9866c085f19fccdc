#pragma once

#include <map>
#include <windows.h>

namespace cobwen {

class TTrayNotifyIcon;

// The hidden window that receives the tray icons' mouse notifications through the registered
// message TrayMessage; each notification names its icon by a small identifier that the manager
// gave it. It also re-adds the visible icons when the taskbar is created anew.
class TIconManager {
public:
    TIconManager();
    TIconManager(const TIconManager&) = delete;
    TIconManager& operator=(const TIconManager&) = delete;
    ~TIconManager();

    HWND Window() const { return window_; }
    // The registered message the icons' notifications arrive with (identifier in wParam, the
    // mouse message in lParam).
    static UINT TrayMessage();

    // A small number that fits the notification record's identifier field on every platform.
    UINT Register(TTrayNotifyIcon& icon);
    void Unregister(UINT id);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    UINT taskbarCreated_ = 0;
    UINT nextId_ = 1;
    std::map<UINT, TTrayNotifyIcon*> icons_;
};

} // namespace cobwen
