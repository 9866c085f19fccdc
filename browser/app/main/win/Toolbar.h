#pragma once

#include <windows.h>
// The common controls' declarations need windows.h first.
#include <commctrl.h>

#include "browser/app/main/core/Commands.h"
#include "win32/ImageList.h"

namespace cobwen {

// The main window's toolbar of large buttons (picture above caption, hint on hover).
class Toolbar {
public:
    // A button's command id.
    static int Id(ToolButton button) { return IdBase + static_cast<int>(button); }
    // The button of a command id; None for any other id.
    static ToolButton ButtonOfId(int id);

    Toolbar() = default;
    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    void Create(HWND parent, HFONT font);
    HWND Window() const { return window_; }
    int Height() const;
    void Resize();

    // Every button starts disabled; the window enables them by the command table.
    bool Enabled(ToolButton button) const;
    void Enable(ToolButton button, bool enabled);

    // The hint of a button, for the tooltip's request.
    static const wchar_t* Hint(int button);

private:
    static constexpr int IdBase = 2000;

    HWND window_ = nullptr;
    win32::ImageListHandle images_;
};

} // namespace cobwen
