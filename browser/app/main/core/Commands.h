#pragma once

#include "browser/app/list/core/FilterLists.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace cobwen {

// Every command of the main window. Its keys, its toolbar and its menus all run them through the
// command table below.
enum class Command {
    None,
    Settings,            // F9
    RefreshList,         // F6
    Download,            // F7
    Abort,               // F8
    SetArchiveFocus,     // F12
    MaxMinWindow,        // F5
    About,               // Alt+F1
    Help,                // F1
    Exit,                // the toolbar's last button
    ReverseShowAddInfo,  // Ctrl+Alt+F12
    ClearBasket,         // Shift+Del
    AddToBasket,         // Ins in the catalogue list
    RemoveFromBasket,    // Del in the basket list
    FindPlugin,          // Enter in the basket list
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

// The toolbar's buttons, in their order on the bar.
enum class ToolButton { None, Settings, Refresh, Download, Stop, About, Exit };

// Where a command has its entry in the lists' context menu.
enum class MenuPlace { None, Context, FilterSubmenu, Basket };

// When a command may run; its button and its menu entry are enabled by the same rule.
enum class EnabledRule {
    Always,
    Idle,                // no transfer run owns the commands
    TransferInFlight,    // a refresh or a download run owns the commands
    RowCopyInfo,         // the focused row can be copied
    RowWriteToAuthor,    // the focused row's author has a mail address
    RowGoToAuthorPage,   // the focused row's author has a home page
    NoController,        // the window has no controller for it yet: it stays off
    CanAddToBasket,      // the catalogue list has a focused row, with the basket and no run
    CanRemoveFromBasket, // the basket list has the focus and rows, and no run
    CanFindPlugin,       // the basket list has the focus and rows
    CanClearBasket,      // the basket has rows and no transfer runs
    CanDownload,         // something to download and no transfer runs
};

struct KeyChord {
    std::uint32_t VirtualKey = 0; // 0: no key
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;

    friend bool operator==(const KeyChord&, const KeyChord&) = default;
};

struct CommandRow {
    Command Id = Command::None;
    KeyChord Key;
    KeyChord OtherKey; // a second key for the same command
    ToolButton Button = ToolButton::None;
    MenuPlace Menu = MenuPlace::None;
    EnabledRule Rule = EnabledRule::Always;
    // The key is the window's only while one of the two lists has the focus (elsewhere an edit
    // field or a drop-down keeps it).
    bool ListKey = false;
};

// What the enabled rules look at.
struct CommandState {
    bool TransferInFlight = false;
    bool CopyInfo = false;
    bool WriteToAuthor = false;
    bool GoToAuthorPage = false;
    bool AddToBasket = false;
    bool RemoveFromBasket = false;
    bool FindPlugin = false;
    bool ClearBasket = false;
    bool Download = false;
};

// Every command with a key, a button or a menu entry of its own. The digit families (Alt, Ctrl or
// nothing with 1 to 7) are ActionForKey's.
std::span<const CommandRow> CommandTable();
const CommandRow* FindCommand(Command command);
// The command of a toolbar button; None when the button has none.
Command CommandOfButton(ToolButton button);
bool CommandEnabled(Command command, const CommandState& state);
// The key as a menu entry shows it after a tab, such as "Ctrl+Shift+1"; empty without a key.
std::string KeyText(const KeyChord& key);

struct KeyPress {
    std::uint32_t VirtualKey = 0;
    bool Ctrl = false;
    bool Alt = false;
    bool Shift = false;
    bool InNameField = false; // the name filter's edit field has the focus
    bool InList = false;      // one of the two lists has the focus
};

struct KeyAction {
    Command Action = Command::None;
    std::optional<cobwen::Filter> Filter = std::nullopt; // for the filter commands
    bool Backwards = false; // StepFilterValue with Shift: the previous value

    friend bool operator==(const KeyAction&, const KeyAction&) = default;
};

// The window's command for a key, or None when the key goes on to the focused control.
KeyAction ActionForKey(const KeyPress& key);

// Virtual-key codes used here.
namespace vk {
inline constexpr std::uint32_t Return = 0x0D;
inline constexpr std::uint32_t Insert = 0x2D;
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
