#include "browser/app/main/win/SettingsNFind.h"

#include "browser/app/search/core/FindInFrame.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"
#include "win32/WindowClass.h"
#include "win32/WindowProc.h"

namespace cobwen {

namespace {

constexpr int BoxHeight = 20;
constexpr int Margin = 4;

} // namespace

TCobwenSettingsNFind::TCobwenSettingsNFind(HWND dialog, HFONT font, std::function<void()> changed)
    : changed_(std::move(changed)) {
    win32::RegisterWindowClassOnce(SettingsNFindClass, WindowProc);
    window_ = CreateWindowExW(WS_EX_CONTROLPARENT, SettingsNFindClass, nullptr,
                              WS_CHILD | WS_BORDER | WS_CLIPSIBLINGS, 0, 0, 10, 10, dialog, nullptr,
                              GetModuleHandleW(nullptr), this);
    int id = FirstBoxId;
    int top = Margin;
    for (const FindInBoxCaption& box : FindInBoxCaptions) {
        const HWND control = CreateWindowExW(
            0, L"BUTTON", win32::ToWide(box.caption, BrowserCodePage).c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, Margin, top, 10, BoxHeight - 2,
            window_, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ++id;
        top += BoxHeight;
    }
}

TCobwenSettingsNFind::~TCobwenSettingsNFind() {
    if (window_) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void TCobwenSettingsNFind::SetFlags(std::uint8_t flags) {
    int id = FirstBoxId;
    for (const FindInBoxCaption& box : FindInBoxCaptions)
        CheckDlgButton(window_, id++, (flags & box.flag) ? BST_CHECKED : BST_UNCHECKED);
}

std::uint8_t TCobwenSettingsNFind::Flags() const {
    std::uint8_t flags = 0;
    int id = FirstBoxId;
    for (const FindInBoxCaption& box : FindInBoxCaptions)
        if (IsDlgButtonChecked(window_, id++) == BST_CHECKED)
            flags = static_cast<std::uint8_t>(flags | box.flag);
    return flags;
}

void TCobwenSettingsNFind::DropDown(HWND field) {
    RECT rect{};
    GetWindowRect(field, &rect);
    MapWindowPoints(nullptr, GetParent(window_), reinterpret_cast<POINT*>(&rect), 2);
    const int width = rect.right - rect.left;
    const int height = Margin * 2 + BoxHeight * static_cast<int>(FindInBoxCaptions.size()) + 2;
    for (int id = FirstBoxId; id < FirstBoxId + static_cast<int>(FindInBoxCaptions.size()); ++id)
        SetWindowPos(GetDlgItem(window_, id), nullptr, 0, 0, width - Margin * 2 - 2, BoxHeight - 2,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(window_, HWND_TOP, rect.left, rect.bottom, width, height, SWP_SHOWWINDOW);
}

void TCobwenSettingsNFind::CloseUp() {
    ShowWindow(window_, SW_HIDE);
}

bool TCobwenSettingsNFind::Dropped() const {
    return IsWindowVisible(window_) != FALSE;
}

LRESULT CALLBACK TCobwenSettingsNFind::WindowProc(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
    auto* frame = win32::WindowObject<TCobwenSettingsNFind>(window, message, lParam);
    if (!frame)
        return DefWindowProcW(window, message, wParam, lParam);
    return win32::GuardedMessage(
        [&]() -> LRESULT {
            if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED && frame->changed_) {
                frame->changed_();
                return 0;
            }
            return DefWindowProcW(window, message, wParam, lParam);
        },
        [](const char* what) -> LRESULT {
            win32::LastResort(what);
            return 0;
        });
}

} // namespace cobwen
