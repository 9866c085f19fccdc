#pragma once

// Window classes of the program's own module, registered once: the first window of a kind
// registers its class, later ones (and a second instance of the same object) find it there.

#include <windows.h>

namespace win32 {

struct WindowClassLook {
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    bool arrowCursor = true;      // else the class has no cursor of its own
    bool dialogBackground = true; // the colour of dialogs (COLOR_BTNFACE); else none
};

// Registers `name` with `procedure` and `look` unless a class of that name is registered in the
// module already (then the existing class stays as it is). False when neither is the case.
bool RegisterWindowClassOnce(const wchar_t* name, WNDPROC procedure,
                             const WindowClassLook& look = {});

} // namespace win32
