#pragma once

#include <functional>
#include <initializer_list>
#include <windows.h>

namespace testsupport {

// Input as a user gives it: through the system's input queue (SendInput), so it arrives at the
// focused window of the foreground window as real key and mouse messages, with the key state
// that goes with them.

// Presses the keys in order and lets them go in reverse order (a chord such as Alt+F4).
bool PressKeys(std::initializer_list<WORD> keys);
// Clicks the left button at a point of the screen.
bool ClickAt(POINT screen);
// The mouse moved to a point of the screen, with the left button pressed there, kept or let go.
bool MouseDown(POINT screen);
bool MouseMove(POINT screen);
bool MouseUp(POINT screen);
// Brings a top-level window to the front, so that input goes to it.
void BringToFront(HWND window);
// Presses the left button at one point of the screen, moves the mouse in steps to another and
// lets the button go there; settle runs after the press and after every step (to let the window
// handle what arrived, as it would between a user's movements).
bool DragFromTo(POINT from, POINT to, const std::function<void()>& settle);

} // namespace testsupport
