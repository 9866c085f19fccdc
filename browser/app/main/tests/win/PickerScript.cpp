#include "browser/app/main/tests/win/PickerScript.h"

namespace cobwen::test {

namespace {

std::function<void(HWND)> script;
RECT pickerRect{};

void CALLBACK PlayScript(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND picker = FindWindowW(L"TCobwenFilterDialog", nullptr);
    if (!picker || !IsWindowVisible(picker))
        return;
    KillTimer(nullptr, timer);
    GetWindowRect(picker, &pickerRect);
    script(picker);
}

} // namespace

void ScriptPicker(std::function<void(HWND picker)> keys) {
    script = std::move(keys);
    SetTimer(nullptr, 0, 20, PlayScript);
}

RECT ScriptedPickerRect() {
    return pickerRect;
}

void TypeText(const std::wstring& text) {
    for (const wchar_t c : text)
        SendMessageW(GetFocus(), WM_CHAR, c, 0);
}

void PressKey(WPARAM key) {
    HWND focus = GetFocus();
    SendMessageW(focus, WM_KEYDOWN, key, 0);
    SendMessageW(focus, WM_KEYUP, key, 0);
}

} // namespace cobwen::test
