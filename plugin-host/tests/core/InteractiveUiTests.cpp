#include "plugin-host/standin/core/InteractiveUi.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <string>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

// Keys from a queue; the input ends when it is empty. Remembers what each show put up.
class ScriptedTerminal : public Terminal {
public:
    std::deque<KeyPress> keys;
    std::vector<std::string> shownCentre; // row 12 at each show
    int reads = 0;
    int showsWithCursor = 0;

    bool ReadKey(KeyPress& key, int) override {
        ++reads;
        if (keys.empty())
            return false;
        key = keys.front();
        keys.pop_front();
        return true;
    }
    void Show(const VirtualScreen& screen, bool withCursor) override {
        shownCentre.push_back(screen.Row(12));
        showsWithCursor += withCursor ? 1 : 0;
    }
};

MenuShown Menu() {
    MenuShown menu;
    menu.x = menu.y = -1;
    for (const char* text : {"One", "Two", "Three"}) {
        MenuItem item{};
        std::snprintf(item.Text, sizeof item.Text, "%s", text);
        menu.items.push_back(item);
    }
    menu.breakKeys = {MakeBreakKey(vk::F4, 0)};
    return menu;
}

class InteractiveUiTest : public testing::Test {
protected:
    void SetUp() override {
        ui.SetScreen(&screen);
        screen.Fill(0, 0, 79, 24, '.', 0x07);
        screen.SetCursor(5, 6, true);
    }
    void ExpectScreenUntouched() {
        for (int y = 0; y < 25; ++y)
            ASSERT_EQ(screen.Row(y), std::string(80, '.')) << y;
        EXPECT_EQ(screen.SavedCount(), 0);
        EXPECT_EQ(screen.CursorX(), 5);
        EXPECT_TRUE(screen.CursorVisible());
    }

    ScriptedTerminal terminal;
    InteractiveUi ui{terminal};
    VirtualScreen screen;
};

TEST_F(InteractiveUiTest, MenuRunsOnKeysAndPutsTheScreenBack) {
    terminal.keys = {{vk::Down, 0, 0}, {vk::Down, 0, 0}, {vk::Return, 0, 0}};
    auto const answer = ui.Menu(Menu());
    EXPECT_EQ(answer.item, 2);
    EXPECT_EQ(answer.breakCode, -1);
    EXPECT_NE(terminal.shownCentre.front().find("Two"), std::string::npos) << "drawn first";
    EXPECT_EQ(terminal.shownCentre.back(), std::string(80, '.')) << "the last show is restored";
    ExpectScreenUntouched();
}

TEST_F(InteractiveUiTest, MenuBreakKeyAndEndOfInput) {
    terminal.keys = {{vk::Down, 0, 0}, {vk::F4, 0, 0}};
    auto const broken = ui.Menu(Menu());
    EXPECT_EQ(broken.item, 1);
    EXPECT_EQ(broken.breakCode, 0);
    auto const ended = ui.Menu(Menu());
    EXPECT_EQ(ended.item, -1) << "no more input counts as Esc";
    ExpectScreenUntouched();
}

TEST_F(InteractiveUiTest, DialogReturnsEditedItemsOnlyWhenClosed) {
    DialogShown dialog;
    dialog.x1 = dialog.y1 = -1;
    dialog.x2 = 30;
    dialog.y2 = 5;
    DialogItem edit{};
    edit.Type = DialogEdit;
    edit.X1 = 2, edit.Y1 = 1, edit.X2 = 20, edit.Y2 = 1;
    DialogItem button{};
    button.Type = DialogButton;
    button.Y1 = 3;
    button.DefaultButton = 1;
    std::snprintf(button.Data, sizeof button.Data, "OK");
    dialog.items = {edit, button};

    terminal.keys = {{0x48, 0, 'H'}, {0x49, 0, 'i'}, {vk::Escape, 0, 0}};
    auto items = dialog.items;
    EXPECT_EQ(ui.Dialog(dialog, items), -1);
    EXPECT_STREQ(items[0].Data, "") << "cancelled: nothing changes";

    terminal.keys = {{0x48, 0, 'H'}, {0x49, 0, 'i'}, {vk::Return, 0, 0}};
    EXPECT_EQ(ui.Dialog(dialog, items), 1);
    EXPECT_STREQ(items[0].Data, "Hi");
    ExpectScreenUntouched();
}

TEST_F(InteractiveUiTest, MessageWithoutButtonsStaysAndDoesNotWait) {
    MessageShown message;
    message.lines = {"Wait", "Working..."};
    EXPECT_EQ(ui.Message(message), -1);
    EXPECT_EQ(terminal.reads, 0);
    EXPECT_NE(screen.Row(12).find("Working..."), std::string::npos);
    EXPECT_EQ(terminal.showsWithCursor, 0);

    message.buttons = {"OK", "Cancel"};
    terminal.keys = {{vk::Right, 0, 0}, {vk::Return, 0, 0}};
    EXPECT_EQ(ui.Message(message), 1);
}

TEST_F(InteractiveUiTest, FlushesAreShownWithoutTouchingTheCursor) {
    int const before = terminal.showsWithCursor;
    ui.Flushed(screen);
    ui.ScreenRestored(screen);
    EXPECT_EQ(terminal.shownCentre.size(), 2u);
    EXPECT_EQ(terminal.showsWithCursor, before);
}

} // namespace
