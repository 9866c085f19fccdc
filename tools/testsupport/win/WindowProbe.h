#pragma once

#include <string>
#include <vector>
#include <windows.h>

namespace testsupport {

// Whether this session can create windows at all (Wine needs a display for them).
bool CanCreateWindows();
// Waits up to ten seconds for a top-level window of this process with the caption; null if none.
HWND WaitForWindow(const wchar_t* caption);
// The texts of the window's child windows (a message box's text and buttons), in their order.
std::vector<std::wstring> ChildTexts(HWND window);

} // namespace testsupport
