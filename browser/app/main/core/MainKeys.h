#pragma once

#include <cstdint>

namespace cobwen {

// What a key does in the main window, which sees every key before the focused control.
enum class MainAction {
    None,
    Settings,            // F9
    RefreshList,         // F6
    Download,            // F7
    Abort,               // F8
    SetArchiveFocus,     // F12
    MaxMinWindow,        // F5
    About,               // Alt+F1
    Help,                // F1
    ReverseShowAddInfo,  // Ctrl+Alt+F12
    ClearBasket,         // Shift+Del
    ToggleFilter,        // Alt+1 ... Alt+7
    FocusFilterValue,    // Ctrl+1 ... Ctrl+7
    StepFilterValue,     // 1, 2, 3, 5, 6, 7 alone or with Shift, outside the name field
    SwallowDigit,        // 4 alone or with Shift: nothing, but the control does not get it either
    SetFilterByCategory, // Ctrl+Shift+1
    SetFilterByAuthor,   // Ctrl+Shift+2
    SetFilterOffOther,   // Ctrl+Shift+minus
    CopyInfo,            // Ctrl+Shift+C
    WriteToAuthor,       // Ctrl+Shift+S
    GoToAuthorPage,      // Ctrl+Shift+L
};

struct KeyPress {
    std::uint32_t VirtualKey = 0;
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    bool InNameField = false; // the name filter's edit field has the focus
};

struct KeyAction {
    MainAction Action = MainAction::None;
    int Filter = 0;         // 1 to 7 for the filter actions
    bool Backwards = false; // StepFilterValue with Shift: the previous value

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// The window's action for a key, or None when the key goes on to the focused control.
KeyAction ActionForKey(const KeyPress& key);

// Virtual-key codes used here.
namespace vk {
inline constexpr std::uint32_t Delete = 0x2E;
inline constexpr std::uint32_t F1 = 0x70;
inline constexpr std::uint32_t F2 = 0x71;
inline constexpr std::uint32_t F5 = 0x74;
inline constexpr std::uint32_t F6 = 0x75;
inline constexpr std::uint32_t F7 = 0x76;
inline constexpr std::uint32_t F8 = 0x77;
inline constexpr std::uint32_t F9 = 0x78;
inline constexpr std::uint32_t F12 = 0x7B;
inline constexpr std::uint32_t Subtract = 0x6D; // the keypad's minus
inline constexpr std::uint32_t OemMinus = 0xBD;
} // namespace vk

} // namespace cobwen
