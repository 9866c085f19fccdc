#include "browser/app/main/core/Commands.h"

#include <set>

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
    return {code, ctrl, alt, shift, inName, false};
}

KeyPress InList(std::uint32_t code, bool shift = false) {
    return {code, false, false, shift, false, true};
}

const KeyCase Cases[] = {
    {"F9 settings", Key(vk::F9), {Command::Settings}},
    {"F6 refresh", Key(vk::F6), {Command::RefreshList}},
    {"F7 download", Key(vk::F7), {Command::Download}},
    {"F8 stop", Key(vk::F8), {Command::Abort}},
    {"F12 list focus", Key(vk::F12), {Command::SetArchiveFocus}},
    {"Ctrl+Alt+F12 preview", Key(vk::F12, true, true), {Command::ReverseShowAddInfo}},
    {"Ctrl+F12 nothing", Key(vk::F12, true), {}},
    {"F5 maximise", Key(vk::F5), {Command::MaxMinWindow}},
    {"F1 help", Key(vk::F1), {Command::Help}},
    {"Alt+F1 about", Key(vk::F1, false, true), {Command::About}},
    {"Shift+Del basket", Key(vk::Delete, false, false, true), {Command::ClearBasket}},
    {"Del alone goes on", Key(vk::Delete), {}},
    {"Del in a list removes", InList(vk::Delete), {Command::RemoveFromBasket}},
    {"Shift+Del in a list clears", InList(vk::Delete, true), {Command::ClearBasket}},
    {"Ins in a list adds", InList(vk::Insert), {Command::AddToBasket}},
    {"Ins elsewhere goes on", Key(vk::Insert), {}},
    {"Enter in a list finds", InList(vk::Return), {Command::FindPlugin}},
    {"Enter elsewhere goes on", Key(vk::Return), {}},
    {"F7 in a list downloads", InList(vk::F7), {Command::Download}},
    {"Shift+F6 goes on", Key(vk::F6, false, false, true), {}},
    {"Alt+1 toggles", Key('1', false, true), {Command::ToggleFilter, Filter::Category}},
    {"Alt+7 toggles", Key('7', false, true), {Command::ToggleFilter, Filter::WindowsVersion}},
    {"Alt+8 goes on", Key('8', false, true), {}},
    {"Ctrl+4 focuses the name", Key('4', true), {Command::FocusFilterValue, Filter::Name}},
    {"digit steps forward", Key('3'), {Command::StepFilterValue, Filter::Released, false}},
    {"Shift+digit steps back",
     Key('3', false, false, true),
     {Command::StepFilterValue, Filter::Released, true}},
    {"digit in the name field is typed", Key('3', false, false, false, true), {}},
    {"Alt+digit in the name field still toggles",
     Key('2', false, true, false, true),
     {Command::ToggleFilter, Filter::Author}},
    {"4 is swallowed", Key('4'), {Command::SwallowDigit, Filter::Name}},
    {"Shift+4 is swallowed", Key('4', false, false, true), {Command::SwallowDigit, Filter::Name}},
    {"0 goes on", Key('0'), {}},
    {"Ctrl+Shift+1 by category", Key('1', true, false, true), {Command::SetFilterByCategory}},
    {"Ctrl+Shift+2 by author", Key('2', true, false, true), {Command::SetFilterByAuthor}},
    {"Ctrl+Shift+3 nothing", Key('3', true, false, true), {}},
    {"Ctrl+Shift+minus switch", Key(vk::OemMinus, true, false, true), {Command::SetFilterOffOther}},
    {"Ctrl+Shift+C copies", Key('C', true, false, true), {Command::CopyInfo}},
    {"Ctrl+Shift+S mails", Key('S', true, false, true), {Command::WriteToAuthor}},
    {"Ctrl+Shift+L visits", Key('L', true, false, true), {Command::GoToAuthorPage}},
    {"Ctrl+C goes on", Key('C', true), {}},
};

TEST(Commands, EachKeyHasItsCommand) {
    for (const KeyCase& c : Cases) {
        SCOPED_TRACE(c.name);
        const KeyAction action = ActionForKey(c.key);
        EXPECT_EQ(static_cast<int>(action.Action), static_cast<int>(c.expected.Action));
        EXPECT_EQ(action.Filter, c.expected.Filter);
        EXPECT_EQ(action.Backwards, c.expected.Backwards);
    }
}

TEST(Commands, ButtonsAndTheirCommands) {
    struct ButtonCase {
        ToolButton button;
        Command command;
    };
    const ButtonCase cases[] = {
        {ToolButton::Settings, Command::Settings}, {ToolButton::Refresh, Command::RefreshList},
        {ToolButton::Download, Command::Download}, {ToolButton::Stop, Command::Abort},
        {ToolButton::About, Command::About},       {ToolButton::Exit, Command::Exit},
        {ToolButton::None, Command::None},
    };
    for (const ButtonCase& c : cases)
        EXPECT_EQ(CommandOfButton(c.button), c.command) << static_cast<int>(c.button);
    // No key, button or command twice.
    std::set<Command> commands;
    std::set<int> buttons;
    std::set<std::uint32_t> keys;
    for (const CommandRow& row : CommandTable()) {
        EXPECT_TRUE(commands.insert(row.Id).second) << static_cast<int>(row.Id);
        if (row.Button != ToolButton::None) {
            EXPECT_TRUE(buttons.insert(static_cast<int>(row.Button)).second);
        }
        for (const KeyChord& key : {row.Key, row.OtherKey}) {
            if (key.VirtualKey != 0) {
                EXPECT_TRUE(keys.insert(key.VirtualKey | (key.Ctrl << 16) | (key.Alt << 17) |
                                        (key.Shift << 18))
                                .second)
                    << KeyText(key);
            }
        }
    }
}

TEST(Commands, EnabledRules) {
    struct RuleCase {
        const char* name;
        CommandState state;
        Command command;
        bool enabled;
    };
    const CommandState idle;
    CommandState busy;
    busy.TransferInFlight = true;
    CommandState row;
    row.CopyInfo = true;
    row.GoToAuthorPage = true;
    CommandState basket;
    basket.AddToBasket = true;
    basket.RemoveFromBasket = true;
    basket.FindPlugin = true;
    basket.ClearBasket = true;
    basket.Download = true;
    CommandState basketInRun = basket;
    basketInRun.TransferInFlight = true;
    const RuleCase cases[] = {
        {"refresh when idle", idle, Command::RefreshList, true},
        {"no refresh during a transfer", busy, Command::RefreshList, false},
        {"no stop when idle", idle, Command::Abort, false},
        {"stop during a transfer", busy, Command::Abort, true},
        {"exit always", busy, Command::Exit, true},
        {"settings always", busy, Command::Settings, true},
        {"about also during a transfer", busy, Command::About, true},
        {"download without the basket", idle, Command::Download, false},
        {"clear basket without the basket", idle, Command::ClearBasket, false},
        {"copy with a copyable row", row, Command::CopyInfo, true},
        {"copy without a row", idle, Command::CopyInfo, false},
        {"mail without an address", row, Command::WriteToAuthor, false},
        {"page with a home page", row, Command::GoToAuthorPage, true},
        {"digit families follow the panel", busy, Command::StepFilterValue, true},
        {"nothing", idle, Command::None, false},
        {"add with a focused row", basket, Command::AddToBasket, true},
        {"no add during a run", basketInRun, Command::AddToBasket, false},
        {"no add without a row", idle, Command::AddToBasket, false},
        {"remove with basket rows", basket, Command::RemoveFromBasket, true},
        {"no remove during a run", basketInRun, Command::RemoveFromBasket, false},
        {"find during a run", basketInRun, Command::FindPlugin, true},
        {"no find without a basket row", idle, Command::FindPlugin, false},
        {"clear when the basket allows", basket, Command::ClearBasket, true},
        {"download when ready", basket, Command::Download, true},
        {"no download during a run", basketInRun, Command::Download, false},
    };
    for (const RuleCase& c : cases)
        EXPECT_EQ(CommandEnabled(c.command, c.state), c.enabled) << c.name;
}

TEST(Commands, MenuKeyTexts) {
    struct TextCase {
        Command command;
        const char* text;
    };
    const TextCase cases[] = {
        {Command::SetFilterByCategory, "Ctrl+Shift+1"},
        {Command::SetFilterOffOther, "Ctrl+Shift+-"},
        {Command::CopyInfo, "Ctrl+Shift+C"},
        {Command::ReverseShowAddInfo, "Ctrl+Alt+F12"},
        {Command::ClearBasket, "Shift+Del"},
        {Command::AddToBasket, "Ins"},
        {Command::RemoveFromBasket, "Del"},
        {Command::FindPlugin, "Enter"},
        {Command::Exit, ""},
    };
    for (const TextCase& c : cases)
        EXPECT_EQ(KeyText(FindCommand(c.command)->Key), c.text);
    // Every menu entry shows its key.
    for (const CommandRow& row : CommandTable())
        if (row.Menu != MenuPlace::None) {
            EXPECT_FALSE(KeyText(row.Key).empty()) << static_cast<int>(row.Id);
        }
}

} // namespace
} // namespace cobwen
