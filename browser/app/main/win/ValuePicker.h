#pragma once

#include <optional>
#include <string>
#include <vector>
#include <windows.h>

namespace cobwen {

class TextLocale;

// TCobwenFilterDialog: a borderless pop-up over a filter drop-down where the user types part of a
// value and picks it from the shrinking list. Runs modally; returns the picked value's position in
// the drop-down, or nothing when the picker was cancelled.
std::optional<int> RunValuePicker(HWND owner, HWND dropDown,
                                  const std::vector<std::wstring>& values, int startIndex,
                                  const TextLocale& locale);

} // namespace cobwen
