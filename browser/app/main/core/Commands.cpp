#include "browser/app/main/core/Commands.h"

#include <algorithm>

namespace cobwen {

namespace {

constexpr KeyChord Plain(std::uint32_t key) {
    return {key, false, false, false};
}
constexpr KeyChord WithAlt(std::uint32_t key) {
    return {key, false, true, false};
}
constexpr KeyChord WithShift(std::uint32_t key) {
    return {key, false, false, true};
}
constexpr KeyChord WithCtrlAlt(std::uint32_t key) {
    return {key, true, true, false};
}
constexpr KeyChord WithCtrlShift(std::uint32_t key) {
    return {key, true, false, true};
}

using enum Command;
using enum EnabledRule;

// Toolbar buttons in their order on the bar, then the keys, then the context menu in its order.
constexpr CommandRow Table[] = {
    {Settings, Plain(vk::F9), {}, ToolButton::Settings, MenuPlace::None, Always},
    {RefreshList, Plain(vk::F6), {}, ToolButton::Refresh, MenuPlace::None, Idle},
    {Download, Plain(vk::F7), {}, ToolButton::Download, MenuPlace::None, EnabledRule::CanDownload},
    {Abort, Plain(vk::F8), {}, ToolButton::Stop, MenuPlace::None, TransferInFlight},
    {About, WithAlt(vk::F1), {}, ToolButton::About, MenuPlace::None, Always},
    {Exit, {}, {}, ToolButton::Exit, MenuPlace::None, Always},
    {SetArchiveFocus, Plain(vk::F12), {}, ToolButton::None, MenuPlace::None, Always},
    {MaxMinWindow, Plain(vk::F5), {}, ToolButton::None, MenuPlace::None, Always},
    {Help, Plain(vk::F1), {}, ToolButton::None, MenuPlace::None, Always},
    {ReverseShowAddInfo, WithCtrlAlt(vk::F12), {}, ToolButton::None, MenuPlace::None, Always},
    {ClearBasket, WithShift(vk::Delete), {}, ToolButton::None, MenuPlace::None, CanClearBasket},
    {AddToBasket, Plain(vk::Insert), {}, ToolButton::None, MenuPlace::Basket, CanAddToBasket, true},
    {RemoveFromBasket,
     Plain(vk::Delete),
     {},
     ToolButton::None,
     MenuPlace::Basket,
     CanRemoveFromBasket,
     true},
    {FindPlugin, Plain(vk::Return), {}, ToolButton::None, MenuPlace::Basket, CanFindPlugin, true},
    {SetFilterByCategory,
     WithCtrlShift('1'),
     {},
     ToolButton::None,
     MenuPlace::FilterSubmenu,
     Always},
    {SetFilterByAuthor, WithCtrlShift('2'), {}, ToolButton::None, MenuPlace::FilterSubmenu, Always},
    {SetFilterOffOther, WithCtrlShift(vk::OemMinus), WithCtrlShift(vk::Subtract), ToolButton::None,
     MenuPlace::FilterSubmenu, Always},
    {CopyInfo, WithCtrlShift('C'), {}, ToolButton::None, MenuPlace::Context, RowCopyInfo},
    {WriteToAuthor, WithCtrlShift('S'), {}, ToolButton::None, MenuPlace::Context, RowWriteToAuthor},
    {GoToAuthorPage,
     WithCtrlShift('L'),
     {},
     ToolButton::None,
     MenuPlace::Context,
     RowGoToAuthorPage},
};

std::optional<Filter> DigitFilter(std::uint32_t key) {
    if (key < '1' || key > '7')
        return std::nullopt;
    return static_cast<Filter>(key - '0');
}

} // namespace

std::span<const CommandRow> CommandTable() {
    return Table;
}

const CommandRow* FindCommand(Command command) {
    const auto row = std::ranges::find(Table, command, &CommandRow::Id);
    return row == std::end(Table) ? nullptr : &*row;
}

Command CommandOfButton(ToolButton button) {
    if (button == ToolButton::None)
        return None;
    const auto row = std::ranges::find(Table, button, &CommandRow::Button);
    return row == std::end(Table) ? None : row->Id;
}

bool CommandEnabled(Command command, const CommandState& state) {
    const CommandRow* row = FindCommand(command);
    if (!row)
        return command != None; // the digit families follow the filter panel's own state
    switch (row->Rule) {
    case Always:
        return true;
    case Idle:
        return !state.TransferInFlight;
    case TransferInFlight:
        return state.TransferInFlight;
    case RowCopyInfo:
        return state.CopyInfo;
    case RowWriteToAuthor:
        return state.WriteToAuthor;
    case RowGoToAuthorPage:
        return state.GoToAuthorPage;
    case NoController:
        return false;
    case CanAddToBasket:
        return state.AddToBasket && !state.TransferInFlight;
    case CanRemoveFromBasket:
        return state.RemoveFromBasket && !state.TransferInFlight;
    case CanFindPlugin:
        return state.FindPlugin;
    case CanClearBasket:
        return state.ClearBasket && !state.TransferInFlight;
    case EnabledRule::CanDownload:
        return state.Download && !state.TransferInFlight;
    }
    return false;
}

std::string KeyText(const KeyChord& key) {
    if (key.VirtualKey == 0)
        return {};
    std::string text;
    if (key.Ctrl)
        text += "Ctrl+";
    if (key.Alt)
        text += "Alt+";
    if (key.Shift)
        text += "Shift+";
    const std::uint32_t code = key.VirtualKey;
    if (code >= vk::F1 && code <= vk::F12)
        text += "F" + std::to_string(code - vk::F1 + 1);
    else if (code == vk::OemMinus || code == vk::Subtract)
        text += "-";
    else if (code == vk::Delete)
        text += "Del";
    else if (code == vk::Insert)
        text += "Ins";
    else if (code == vk::Return)
        text += "Enter";
    else
        text += static_cast<char>(code);
    return text;
}

KeyAction ActionForKey(const KeyPress& key) {
    const KeyChord chord{key.VirtualKey, key.Ctrl, key.Alt, key.Shift};
    for (const CommandRow& row : Table)
        if (row.Key.VirtualKey != 0 && (row.Key == chord || row.OtherKey == chord) &&
            (!row.ListKey || key.InList))
            return {row.Id, std::nullopt, false};

    const std::optional<Filter> filter = DigitFilter(key.VirtualKey);
    if (!filter)
        return {None, std::nullopt, false};
    if (key.Alt && !key.Ctrl && !key.Shift)
        return {ToggleFilter, filter, false};
    if (key.Ctrl && !key.Alt && !key.Shift)
        return {FocusFilterValue, filter, false};
    if (key.Ctrl || key.Alt || key.InNameField)
        return {None, std::nullopt, false};
    if (*filter == Filter::Name)
        return {SwallowDigit, filter, false};
    return {StepFilterValue, filter, key.Shift};
}

} // namespace cobwen
