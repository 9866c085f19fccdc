#pragma once

#include <cstdint>
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

// What the window's client area shows now, read back from the screen: 32-bit pixels, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> data;
};
Pixels ClientPixels(HWND window);
// The pixels in which two pictures of one size differ, and the box around them.
struct PixelDifference {
    std::size_t count = 0;
    RECT box{};
};
PixelDifference Difference(const Pixels& a, const Pixels& b);

} // namespace testsupport
