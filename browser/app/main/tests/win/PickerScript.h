#pragma once

#include <functional>
#include <string>
#include <windows.h>

namespace cobwen::test {

// Plays keys into the value picker once its modal loop shows it: a thread timer finds the picker
// and runs the script, which types into the focused control.
void ScriptPicker(std::function<void(HWND picker)> script);
// The picker's screen rectangle when the script ran.
RECT ScriptedPickerRect();
void TypeText(const std::wstring& text);
void PressKey(WPARAM key);

} // namespace cobwen::test
