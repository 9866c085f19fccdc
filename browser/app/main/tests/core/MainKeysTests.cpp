#include "browser/app/main/core/MainKeys.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

struct KeyCase {
    const char* name;
    KeyPress key;
    KeyAction expected;
};

KeyPress Key(std::uint32_t code, bool ctrl = false, bool alt = false, bool shift = false,
             bool inName = false) {
    return {code, ctrl, alt, shift, inName};
}

const KeyCase Cases[] = {
    {"F9 settings", Key(vk::F9), {MainAction::Settings}},
    {"F6 refresh", Key(vk::F6), {MainAction::RefreshList}},
    {"F7 download", Key(vk::F7), {MainAction::Download}},
    {"F8 stop", Key(vk::F8), {MainAction::Abort}},
    {"F12 list focus", Key(vk::F12), {MainAction::SetArchiveFocus}},
    {"Ctrl+Alt+F12 preview", Key(vk::F12, true, true), {MainAction::ReverseShowAddInfo}},
    {"Ctrl+F12 nothing", Key(vk::F12, true), {}},
    {"F5 maximise", Key(vk::F5), {MainAction::MaxMinWindow}},
    {"F1 help", Key(vk::F1), {MainAction::Help}},
    {"Alt+F1 about", Key(vk::F1, false, true), {MainAction::About}},
    {"Shift+Del basket", Key(vk::Delete, false, false, true), {MainAction::ClearBasket}},
    {"Del alone goes on", Key(vk::Delete), {}},
    {"Shift+F6 goes on", Key(vk::F6, false, false, true), {}},
    {"Alt+1 toggles", Key('1', false, true), {MainAction::ToggleFilter, 1}},
    {"Alt+7 toggles", Key('7', false, true), {MainAction::ToggleFilter, 7}},
    {"Alt+8 goes on", Key('8', false, true), {}},
    {"Ctrl+4 focuses the name", Key('4', true), {MainAction::FocusFilterValue, 4}},
    {"digit steps forward", Key('3'), {MainAction::StepFilterValue, 3, false}},
    {"Shift+digit steps back",
     Key('3', false, false, true),
     {MainAction::StepFilterValue, 3, true}},
    {"digit in the name field is typed", Key('3', false, false, false, true), {}},
    {"Alt+digit in the name field still toggles",
     Key('2', false, true, false, true),
     {MainAction::ToggleFilter, 2}},
    {"4 is swallowed", Key('4'), {MainAction::SwallowDigit, 4}},
    {"Shift+4 is swallowed", Key('4', false, false, true), {MainAction::SwallowDigit, 4}},
    {"0 goes on", Key('0'), {}},
    {"Ctrl+Shift+1 by category", Key('1', true, false, true), {MainAction::SetFilterByCategory}},
    {"Ctrl+Shift+2 by author", Key('2', true, false, true), {MainAction::SetFilterByAuthor}},
    {"Ctrl+Shift+3 nothing", Key('3', true, false, true), {}},
    {"Ctrl+Shift+minus switch",
     Key(vk::OemMinus, true, false, true),
     {MainAction::SetFilterOffOther}},
    {"Ctrl+Shift+C copies", Key('C', true, false, true), {MainAction::CopyInfo}},
    {"Ctrl+Shift+S mails", Key('S', true, false, true), {MainAction::WriteToAuthor}},
    {"Ctrl+Shift+L visits", Key('L', true, false, true), {MainAction::GoToAuthorPage}},
    {"Ctrl+C goes on", Key('C', true), {}},
};

TEST(MainKeys, EachKeyHasItsAction) {
    for (const KeyCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const KeyAction action = ActionForKey(c.key);
        EXPECT_EQ(static_cast<int>(action.Action), static_cast<int>(c.expected.Action));
        EXPECT_EQ(action.Filter, c.expected.Filter);
        EXPECT_EQ(action.Backwards, c.expected.Backwards);
    }
}

} // namespace
} // namespace cobwen
