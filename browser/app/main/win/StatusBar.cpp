#include "browser/app/main/win/StatusBar.h"

#include <commctrl.h>

namespace cobwen {

void StatusBar::Create(HWND parent, HFONT font) {
    window_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP,
                              0, 0, 0, 0, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const int edges[] = {85, 170, -1};
    SendMessageW(window_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    progress_ = CreateWindowExW(0, PROGRESS_CLASSW, nullptr, WS_CHILD | PBS_SMOOTH, 1, 2, 168, 17,
                                window_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

int StatusBar::Height() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return rect.bottom - rect.top;
}

void StatusBar::Resize() {
    SendMessageW(window_, WM_SIZE, 0, 0);
}

void StatusBar::SetText(int panel, const std::wstring& text) {
    SendMessageW(window_, SB_SETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring StatusBar::Text(int panel) const {
    const auto length =
        LOWORD(SendMessageW(window_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(panel), 0));
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(window_, SB_GETTEXTW, static_cast<WPARAM>(panel),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    return text;
}

void StatusBar::ShowProgress(bool shown) {
    ShowWindow(progress_, shown ? SW_SHOW : SW_HIDE);
}

bool StatusBar::ProgressShown() const {
    return IsWindowVisible(progress_) != FALSE;
}

void StatusBar::SetProgressRange(int fullScale) {
    SendMessageW(progress_, PBM_SETRANGE32, 0, fullScale);
    SendMessageW(progress_, PBM_SETPOS, 0, 0);
}

void StatusBar::AdvanceProgress(int amount) {
    SendMessageW(progress_, PBM_DELTAPOS, static_cast<WPARAM>(amount), 0);
}

int StatusBar::ProgressPosition() const {
    return static_cast<int>(SendMessageW(progress_, PBM_GETPOS, 0, 0));
}

} // namespace cobwen
