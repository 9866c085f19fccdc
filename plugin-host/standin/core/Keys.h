#pragma once

// A key press as the interactive host reads it from the console.

#include "ulvar/Plugin.h"

namespace ulvar::standin {

struct KeyPress {
    int key = 0;        // virtual-key code
    unsigned state = 0; // KeyCtrl, KeyAlt, KeyShift
    char ch = 0;        // the character typed, in the OEM code page, or 0
};

// The virtual-key codes the host's own menus, dialogs and panels use.
namespace vk {
inline constexpr int Back = 0x08, Tab = 0x09, Return = 0x0D, Escape = 0x1B, Space = 0x20;
inline constexpr int PageUp = 0x21, PageDown = 0x22, End = 0x23, Home = 0x24;
inline constexpr int Left = 0x25, Up = 0x26, Right = 0x27, Down = 0x28;
inline constexpr int Insert = 0x2D, Delete = 0x2E;
inline constexpr int F1 = 0x70, F3 = 0x72, F4 = 0x73, F9 = 0x78, F10 = 0x79;
} // namespace vk

inline constexpr unsigned ModifierMask = KeyCtrl | KeyAlt | KeyShift;

} // namespace ulvar::standin
