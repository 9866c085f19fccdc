#pragma once

#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "win32/ImageList.h"

namespace cobwen {

// The main window's toolbar of large buttons (picture above caption, hint on hover).
class Toolbar {
public:
    enum Button : int {
        Settings = 2001,
        Refresh,
        Download,
        Stop,
        About,
        Exit,
    };

    Toolbar() = default;
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    void Create(HWND parent, HFONT font);
    HWND Window() const { return window_; }
    int Height() const;
    void Resize();

    bool Enabled(Button button) const;
    void Enable(Button button, bool enabled);

    // The hint of a button, for the tooltip's request.
    static const wchar_t* Hint(int button);

private:
    HWND window_ = nullptr;
    win32::ImageListHandle images_;
};

} // namespace cobwen
