#include "browser/app/main/core/MainKeys.h"

namespace cobwen {

namespace {

int DigitOf(std::uint32_t key) {
    return key >= '1' && key <= '7' ? static_cast<int>(key - '0') : 0;
}

KeyAction FunctionKey(const KeyPress& key) {
    const bool plain = !key.Ctrl && !key.Alt && !key.Shift;
    switch (key.VirtualKey) {
    case vk::F1:
        if (plain)
            return {MainAction::Help};
        if (key.Alt && !key.Ctrl && !key.Shift)
            return {MainAction::About};
        break;
    case vk::F5:
        if (plain)
            return {MainAction::MaxMinWindow};
        break;
    case vk::F6:
        if (plain)
            return {MainAction::RefreshList};
        break;
    case vk::F7:
        if (plain)
            return {MainAction::Download};
        break;
    case vk::F8:
        if (plain)
            return {MainAction::Abort};
        break;
    case vk::F9:
        if (plain)
            return {MainAction::Settings};
        break;
    case vk::F12:
        if (plain)
            return {MainAction::SetArchiveFocus};
        if (key.Ctrl && key.Alt && !key.Shift)
            return {MainAction::ReverseShowAddInfo};
        break;
    case vk::Delete:
        if (key.Shift && !key.Ctrl && !key.Alt)
            return {MainAction::ClearBasket};
        break;
    default:
        break;
    }
    return {};
}

} // namespace

KeyAction ActionForKey(const KeyPress& key) {
    if (const KeyAction action = FunctionKey(key); action.Action != MainAction::None)
        return action;

    const std::uint32_t code = key.VirtualKey;
    if (key.Ctrl && key.Shift && !key.Alt) {
        switch (code) {
        case '1':
            return {MainAction::SetFilterByCategory};
        case '2':
            return {MainAction::SetFilterByAuthor};
        case vk::OemMinus:
        case vk::Subtract:
            return {MainAction::SetFilterOffOther};
        case 'C':
            return {MainAction::CopyInfo};
        case 'S':
            return {MainAction::WriteToAuthor};
        case 'L':
            return {MainAction::GoToAuthorPage};
        default:
            return {};
        }
    }

    const int digit = DigitOf(code);
    if (digit == 0)
        return {};
    if (key.Alt && !key.Ctrl && !key.Shift)
        return {MainAction::ToggleFilter, digit};
    if (key.Ctrl && !key.Alt && !key.Shift)
        return {MainAction::FocusFilterValue, digit};
    if (key.Ctrl || key.Alt || key.InNameField)
        return {};
    if (digit == 4)
        return {MainAction::SwallowDigit, 4};
    return {MainAction::StepFilterValue, digit, key.Shift};
}

} // namespace cobwen
