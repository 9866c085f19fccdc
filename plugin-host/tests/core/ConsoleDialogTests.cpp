#include "plugin-host/kit/core/ItemBuilders.h"
#include "plugin-host/standin/core/ConsoleDialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

// An item of one row.
DialogItem Item(int type, int x1, int y1, int x2, const char* text, std::uint32_t flags = 0) {
    return kit::MakeDialogItem(type, x1, y1, x2, y1, text, flags);
}

// 0 box, 1 text, 2 edit (focused), 3 check, 4-5 radio group, 6-7 second radio group,
// 8 disabled check, 9 separator, 10 OK (default), 11 Cancel.
DialogShown Sample() {
    DialogShown d;
    d.x1 = d.y1 = -1;
    d.x2 = 40;
    d.y2 = 10;
    d.items = {Item(DialogDoubleBox, 3, 1, 36, "Sample"),
               Item(DialogText, 5, 2, 0, "Name:"),
               Item(DialogEdit, 5, 3, 34, "ab"),
               Item(DialogCheckBox, 5, 4, 0, "Loud"),
               Item(DialogRadioButton, 5, 5, 0, "Left", DialogGroup),
               Item(DialogRadioButton, 15, 5, 0, "Right"),
               Item(DialogRadioButton, 5, 6, 0, "Up", DialogGroup),
               Item(DialogRadioButton, 15, 6, 0, "Down"),
               Item(DialogCheckBox, 25, 6, 0, "Off", DialogDisable),
               Item(DialogText, -1, 7, 0, "", DialogSeparator),
               Item(DialogButton, 0, 8, 0, "OK", DialogCenterGroup),
               Item(DialogButton, 0, 8, 0, "Cancel", DialogCenterGroup)};
    d.items[2].Focus = 1;
    d.items[4].Selected = 1;
    d.items[6].Selected = 1;
    d.items[10].DefaultButton = 1;
    d.items[2].Y2 = 3;
    d.items[0].Y2 = 9;
    return d;
}

KeyPress Key(int key, unsigned state = 0) {
    return KeyPress{key, state, 0};
}
KeyPress Char(char ch) {
    return KeyPress{0x41, 0, ch};
}

TEST(ConsoleDialog, FocusMovesOverFocusableItemsOnly) {
    ConsoleDialog dialog(Sample(), 80, 25);
    EXPECT_EQ(dialog.Focus(), 2);
    std::vector<int> order;
    for (int i = 0; i < 8; ++i) {
        dialog.Key(Key(vk::Tab));
        order.push_back(dialog.Focus());
    }
    EXPECT_EQ(order, (std::vector<int>{3, 4, 5, 6, 7, 10, 11, 2})) << "disabled 8 is skipped";
    dialog.Key(Key(vk::Tab, KeyShift));
    EXPECT_EQ(dialog.Focus(), 11);
    dialog.Key(Key(vk::Down));
    EXPECT_EQ(dialog.Focus(), 2);
    dialog.Key(Key(vk::Up));
    EXPECT_EQ(dialog.Focus(), 11);
}

TEST(ConsoleDialog, TypingEditsTheFocusedEdit) {
    ConsoleDialog dialog(Sample(), 80, 25);
    for (KeyPress key : {Char('c'), Key(vk::Back), Key(vk::Back), Char('\x8f'), Char('x')})
        dialog.Key(key);
    EXPECT_STREQ(dialog.Items()[2].Data, "a\x8fx");
    dialog.Key(Key(vk::Tab));
    dialog.Key(Char('z')); // on the check box: no text change
    EXPECT_STREQ(dialog.Items()[3].Data, "Loud");
}

TEST(ConsoleDialog, EditLimitsReadOnlyAndMask) {
    DialogShown d;
    d.x1 = 0, d.y1 = 0, d.x2 = 30, d.y2 = 5;
    d.items = {Item(DialogFixEdit, 1, 1, 3, "", DialogMask),
               Item(DialogEdit, 1, 2, 20, "fixed", DialogReadOnly)};
    d.items[0].Mask = "0123456789";
    ConsoleDialog dialog(d, 80, 25);
    for (char ch : std::string("1a2345"))
        dialog.Key(Char(ch));
    EXPECT_STREQ(dialog.Items()[0].Data, "123") << "digits only, three wide";
    dialog.Key(Key(vk::Tab));
    dialog.Key(Char('x'));
    dialog.Key(Key(vk::Back));
    EXPECT_STREQ(dialog.Items()[1].Data, "fixed");
}

TEST(ConsoleDialog, SpaceTogglesChecksAndRadioGroups) {
    ConsoleDialog dialog(Sample(), 80, 25);
    dialog.Key(Key(vk::Tab)); // check box
    dialog.Key(Key(vk::Space));
    EXPECT_EQ(dialog.Items()[3].Selected, 1);
    dialog.Key(Key(vk::Space));
    EXPECT_EQ(dialog.Items()[3].Selected, 0);
    dialog.Key(Key(vk::Tab));
    dialog.Key(Key(vk::Tab)); // "Right"
    dialog.Key(Key(vk::Space));
    EXPECT_EQ(dialog.Items()[4].Selected, 0);
    EXPECT_EQ(dialog.Items()[5].Selected, 1);
    EXPECT_EQ(dialog.Items()[6].Selected, 1) << "the other group is untouched";
    EXPECT_EQ(dialog.GetState(), ConsoleDialog::State::Open);
}

TEST(ConsoleDialog, WaysToClose) {
    struct Case {
        const char* what;
        std::vector<KeyPress> keys;
        ConsoleDialog::State state;
        int result;
    };
    std::vector<KeyPress> toCancel(7, Key(vk::Tab));
    auto enterOnCancel = toCancel;
    enterOnCancel.push_back(Key(vk::Return));
    auto spaceOnCancel = toCancel;
    spaceOnCancel.push_back(Key(vk::Space));
    const Case cases[] = {
        {"enter in an edit: the default button",
         {Key(vk::Return)},
         ConsoleDialog::State::Closed,
         10},
        {"enter on a button", enterOnCancel, ConsoleDialog::State::Closed, 11},
        {"space on a button", spaceOnCancel, ConsoleDialog::State::Closed, 11},
        {"escape", {Char('x'), Key(vk::Escape)}, ConsoleDialog::State::Cancelled, -1},
    };
    for (auto const& c : cases) {
        ConsoleDialog dialog(Sample(), 80, 25);
        for (auto const& key : c.keys)
            dialog.Key(key);
        EXPECT_EQ(dialog.GetState(), c.state) << c.what;
        EXPECT_EQ(dialog.Result(), c.result) << c.what;
    }

    auto withEnterEdit = Sample();
    withEnterEdit.items[2].Flags |= DialogEditEnter;
    ConsoleDialog dialog(withEnterEdit, 80, 25);
    dialog.Key(Key(vk::Return));
    EXPECT_EQ(dialog.Result(), 2) << "an edit that closes on Enter";
}

TEST(ConsoleDialog, DrawsCentredWithGroupedButtonsAndCursorInTheEdit) {
    ConsoleDialog dialog(Sample(), 80, 25);
    dialog.Key(Char('c'));
    VirtualScreen screen;
    dialog.Draw(screen);
    int const left = (80 - 40) / 2, top = (25 - 10) / 2;
    EXPECT_EQ(dialog.Left(), left);
    EXPECT_EQ(dialog.Top(), top);
    EXPECT_EQ(screen.CharAt(left + 3, top + 1), '\xC9');
    EXPECT_EQ(screen.TextAt(left + 16, top + 1, 8), " Sample ") << "centred in the box";
    EXPECT_EQ(screen.TextAt(left + 5, top + 2, 5), "Name:");
    EXPECT_EQ(screen.TextAt(left + 5, top + 3, 4), "abc ");
    EXPECT_EQ(screen.AttrAt(left + 5, top + 3), 0x30);
    EXPECT_TRUE(screen.CursorVisible());
    EXPECT_EQ(screen.CursorX(), left + 8);
    EXPECT_EQ(screen.CursorY(), top + 3);
    EXPECT_EQ(screen.TextAt(left + 5, top + 4, 8), "[ ] Loud");
    EXPECT_EQ(screen.TextAt(left + 5, top + 5, 8), "(*) Left");
    EXPECT_EQ(screen.CharAt(left + 3, top + 7), '\xC7') << "separator across the box";
    EXPECT_EQ(screen.CharAt(left + 36, top + 7), '\xB6');
    // "{ OK }" and "[ Cancel ]" with one blank between: 17 wide, centred in 40.
    std::string const buttons = "{ OK } [ Cancel ]";
    int const x = left + (40 - 17) / 2;
    EXPECT_EQ(screen.TextAt(x, top + 8, 17), buttons);
}

TEST(ConsoleDialog, HistoryStepsOlderAndNewerBackToTheTextTyped) {
    DialogShown shown = Sample();
    shown.items[2].Flags |= DialogHistory;
    shown.histories.resize(shown.items.size());
    shown.histories[2] = {"latest", "older"};
    ConsoleDialog dialog(shown, 80, 25);
    auto const text = [&] {
        return std::string(dialog.Items()[2].Data);
    };
    struct Step {
        KeyPress key;
        const char* text;
    };
    const Step steps[] = {
        {{vk::Up, KeyCtrl, 0}, "latest"}, {{'E', KeyCtrl, 0}, "older"},
        {{vk::Up, KeyCtrl, 0}, "older"},  {{vk::Down, KeyCtrl, 0}, "latest"},
        {{'X', KeyCtrl, 0}, "ab"},        {{vk::Up, KeyCtrl, 0}, "latest"},
        {{'s', 0, 's'}, "latests"},       {{vk::Down, KeyCtrl, 0}, "latests"},
    };
    for (auto const& step : steps) {
        dialog.Key(step.key);
        EXPECT_EQ(text(), step.text);
    }
    EXPECT_EQ(dialog.Focus(), 2) << "Ctrl+Up and Ctrl+Down do not move the focus";

    // An edit without a history moves the focus on Ctrl+Down as on Down.
    ConsoleDialog plain(Sample(), 80, 25);
    plain.Key({vk::Down, KeyCtrl, 0});
    EXPECT_EQ(plain.Focus(), 3);
}

} // namespace
