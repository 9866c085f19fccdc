#include "browser/app/main/tests/win/SettingsScript.h"

#include "browser/app/main/win/SettingsForm.h"
#include "tools/testsupport/win/Input.h"

#include <commctrl.h>

namespace cobwen::test {

namespace {

constexpr UINT TickMs = 50;
constexpr int IdleTicksBeforeClosing = 100;
SettingsScript* current = nullptr;

POINT Middle(HWND window, RECT rect) {
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(window, &point);
    return point;
}

} // namespace

SettingsScript::SettingsScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    // A main window closed by an earlier test left its quit message, which would end the
    // dialog's loop at once.
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    current = this;
    timer_ = SetTimer(nullptr, 0, TickMs, Tick);
}

SettingsScript::~SettingsScript() {
    KillTimer(nullptr, timer_);
    current = nullptr;
}

void CALLBACK SettingsScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
    SettingsScript* script = current;
    if (!script || script->running_)
        return;
    const HWND dialog = FindWindowW(SettingsFormClass, nullptr);
    if (!dialog || !IsWindowVisible(dialog))
        return;
    script->running_ = true;
    if (script->next_ < script->steps_.size()) {
        if (script->next_ == 0)
            testsupport::BringToFront(dialog);
        script->steps_[script->next_++](dialog);
    } else if (++script->idleTicks_ > IdleTicksBeforeClosing) {
        script->timedOut_ = true;
        PostMessageW(dialog, WM_CLOSE, 0, 0);
    }
    script->running_ = false;
}

void Command(HWND dialog, int id) {
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

void ClickControl(HWND dialog, int id) {
    const HWND control = GetDlgItem(dialog, id);
    RECT rect{};
    GetClientRect(control, &rect);
    testsupport::ClickAt(Middle(control, rect));
}

void ClickPage(HWND dialog, int page) {
    const HWND tabs = GetDlgItem(dialog, IdPages);
    RECT rect{};
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&rect));
    testsupport::ClickAt(Middle(tabs, rect));
}

std::wstring ControlText(HWND dialog, int id) {
    wchar_t text[4096]{};
    GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    return text;
}

bool ControlChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

} // namespace cobwen::test
