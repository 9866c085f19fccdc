#pragma once

#include <string>
#include <windows.h>

namespace cobwen {

// The status bar of three panels (row count, date or size total, status texts) with the progress
// bar of a transfer run lying on it.
class StatusBar {
public:
    void Create(HWND parent, HFONT font);
    HWND Window() const { return window_; }
    int Height() const;
    void Resize();

    void SetText(int panel, const std::wstring& text);
    std::wstring Text(int panel) const;

    void ShowProgress(bool shown);
    bool ProgressShown() const;
    void SetProgressRange(int fullScale);
    // Advances the bar, which stops at its full scale.
    void AdvanceProgress(int amount);
    int ProgressPosition() const;

private:
    HWND window_ = nullptr;
    HWND progress_ = nullptr;
};

} // namespace cobwen
