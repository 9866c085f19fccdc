#pragma once

#include <cstdint>
#include <functional>
#include <windows.h>

namespace cobwen {

inline constexpr wchar_t SettingsNFindClass[] = L"TCobwenSettingsNFind";

// TCobwenSettingsNFind: the drop-down part of the settings dialog's peFindIn field, a frame with
// the four check boxes of the FindIn flags one under the other. It lives as long as the dialog;
// `changed` runs after each click on a box.
class TCobwenSettingsNFind {
public:
    // The boxes' ids, in the order of FindInBoxCaptions.
    static constexpr int FirstBoxId = 1;

    TCobwenSettingsNFind(HWND dialog, HFONT font, std::function<void()> changed);
    TCobwenSettingsNFind(const TCobwenSettingsNFind&) = delete;
    TCobwenSettingsNFind& operator=(const TCobwenSettingsNFind&) = delete;
    ~TCobwenSettingsNFind();

    HWND Window() const { return window_; }
    void SetFlags(std::uint8_t flags);
    std::uint8_t Flags() const;

    // Shows the frame under `field` (a child of the dialog), over the controls below it.
    void DropDown(HWND field);
    void CloseUp();
    bool Dropped() const;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::function<void()> changed_;
};

} // namespace cobwen
