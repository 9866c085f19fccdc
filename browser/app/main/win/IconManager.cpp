#include "browser/app/main/win/IconManager.h"

#include "browser/app/main/win/TrayNotifyIcon.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

#include <stdexcept>

namespace cobwen {

namespace {
constexpr wchar_t WindowClass[] = L"TIconManager";
constexpr wchar_t TrayMessageName[] = L"UlvarCobwenTrayNotify";
} // namespace

UINT TIconManager::TrayMessage() {
    static const UINT message = RegisterWindowMessageW(TrayMessageName);
    return message;
}

TIconManager::TIconManager() {
    win32::RegisterWindowClassOnce(WindowClass, WindowProc, {nullptr, nullptr, false, false});
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    // A hidden top-level window (not message-only: those do not get the taskbar's broadcast).
    CreateWindowExW(WS_EX_TOOLWINDOW, WindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    GetModuleHandleW(nullptr), this);
    if (!window_)
        throw std::runtime_error("the tray icon's window cannot be created");
}

TIconManager::~TIconManager() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

UINT TIconManager::Register(TTrayNotifyIcon& icon) {
    const UINT id = nextId_++;
    icons_[id] = &icon;
    return id;
}

void TIconManager::Unregister(UINT id) {
    KillTimer(window_, id);
    icons_.erase(id);
}

LRESULT CALLBACK TIconManager::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* manager = win32::WindowObject<TIconManager>(window, message, lParam);
    if (!manager)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCCREATE)
        manager->window_ = window;
    return win32::GuardedMessage([&] { return manager->Handle(message, wParam, lParam); },
                                 [&](const char* what) -> LRESULT {
                                     win32::LastResort(what);
                                     return 0;
                                 });
}

LRESULT TIconManager::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TrayMessage()) {
        const auto icon = icons_.find(static_cast<UINT>(wParam));
        if (icon != icons_.end())
            icon->second->Notify(static_cast<UINT>(lParam));
        return 0;
    }
    if (message == WM_TIMER) {
        const auto icon = icons_.find(static_cast<UINT>(wParam));
        KillTimer(window_, wParam);
        if (icon != icons_.end())
            icon->second->TimerFired();
        return 0;
    }
    if (taskbarCreated_ && message == taskbarCreated_) {
        for (const auto& [id, icon] : icons_)
            icon->TaskbarCreated();
        return 0;
    }
    if (message == WM_NCDESTROY)
        window_ = nullptr;
    return DefWindowProcW(window_ ? window_ : nullptr, message, wParam, lParam);
}

} // namespace cobwen
