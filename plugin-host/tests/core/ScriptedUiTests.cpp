#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/VirtualScreen.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

DialogItem Item(int type, const char* text, int selected = 0) {
    DialogItem item{};
    item.Type = type;
    item.Selected = selected;
    std::strcpy(item.Data, text);
    return item;
}

TEST(ScriptedUi, EmptyQueuesCancelAndAreRecorded) {
    ScriptedUi ui;
    MenuShown menu;
    menu.title = "Options";
    std::vector<DialogItem> items{Item(DialogEdit, "text")};
    MessageShown message;
    message.lines = {"Title"};

    EXPECT_EQ(ui.Menu(menu).item, -1);
    EXPECT_EQ(ui.Menu(menu).breakCode, -1);
    EXPECT_EQ(ui.Dialog(DialogShown{}, items), -1);
    EXPECT_EQ(ui.Message(message), -1);
    EXPECT_EQ(ui.UnscriptedCount(), 4);
    ASSERT_EQ(ui.Menus().size(), 2u);
    EXPECT_FALSE(ui.Menus()[0].scripted);
    EXPECT_EQ(ui.Menus()[0].shown.title, "Options");
    EXPECT_STREQ(ui.Dialogs()[0].result[0].Data, "text");
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"Menu", "Menu", "Dialog", "Message"}));
}

TEST(ScriptedUi, AnswersComeInQueueOrder) {
    ScriptedUi ui;
    ui.QueueMenu(MenuAnswer{2, -1});
    ui.QueueMenu(MenuAnswer{-1, 1});
    ui.QueueMenu([](const MenuShown& menu) { return MenuAnswer{menu.maxHeight, -1}; });
    ui.QueueMessage(1);
    ui.QueueMessage([](const MessageShown& m) { return static_cast<int>(m.buttons.size()) - 1; });
    EXPECT_EQ(ui.PendingCount(), 5);

    MenuShown menu;
    menu.maxHeight = 7;
    EXPECT_EQ(ui.Menu(menu).item, 2);
    auto const broken = ui.Menu(menu);
    EXPECT_EQ(broken.item, -1);
    EXPECT_EQ(broken.breakCode, 1);
    EXPECT_EQ(ui.Menu(menu).item, 7);
    MessageShown message;
    message.buttons = {"Yes", "No", "Cancel"};
    EXPECT_EQ(ui.Message(message), 1);
    EXPECT_EQ(ui.Message(message), 2);
    EXPECT_EQ(ui.Message(message), -1);
    EXPECT_EQ(ui.PendingCount(), 0);
    EXPECT_EQ(ui.UnscriptedCount(), 1);
    EXPECT_TRUE(ui.Messages()[1].scripted);
    EXPECT_FALSE(ui.Messages()[2].scripted);
    EXPECT_EQ(ui.Menus()[1].answer.breakCode, 1);
}

TEST(ScriptedUi, DialogAnswerEditsTextsAndStates) {
    ScriptedUi ui;
    ui.QueueDialog(DialogAnswer{3, {{1, "typed"}, {9, "ignored"}}, {{2, 1}}});
    DialogShown shown;
    shown.items = {Item(DialogDoubleBox, "Box"), Item(DialogEdit, "old"),
                   Item(DialogCheckBox, "Check"), Item(DialogButton, "OK")};
    auto items = shown.items;
    EXPECT_EQ(ui.Dialog(shown, items), 3);
    EXPECT_STREQ(items[1].Data, "typed");
    EXPECT_EQ(items[2].Selected, 1);
    auto const& call = ui.Dialogs().at(0);
    EXPECT_STREQ(call.shown.items[1].Data, "old") << "what was shown stays as shown";
    EXPECT_STREQ(call.result[1].Data, "typed");
    EXPECT_EQ(call.answer, 3);
}

TEST(ScriptedUi, DialogAnswerTruncatesLongTexts) {
    ScriptedUi ui;
    ui.QueueDialog(DialogAnswer{0, {{0, std::string(600, 'x')}}, {}});
    std::vector<DialogItem> items{Item(DialogEdit, "")};
    ui.Dialog(DialogShown{}, items);
    EXPECT_EQ(std::strlen(items[0].Data), sizeof items[0].Data - 1);
}

TEST(ScriptedUi, DialogScriptSeesTheItems) {
    ScriptedUi ui;
    ui.QueueDialog([](const DialogShown&, std::vector<DialogItem>& items) {
        int const edit = FindDialogItem(items, DialogEdit);
        std::strcpy(items[edit].Data, "Kasparov");
        return FindDialogItem(items, DialogButton, edit);
    });
    std::vector<DialogItem> items{Item(DialogButton, "First"), Item(DialogEdit, "xUSSR"),
                                  Item(DialogButton, "OK")};
    EXPECT_EQ(ui.Dialog(DialogShown{}, items), 2);
    EXPECT_STREQ(items[1].Data, "Kasparov");
    EXPECT_EQ(FindDialogItem(items, DialogCheckBox), -1);
}

TEST(ScriptedUi, FlushesAndRestoresAreCountedInOrder) {
    ScriptedUi ui;
    VirtualScreen screen;
    std::string seen;
    ui.OnFlush([&seen](const VirtualScreen& s) { seen = s.TextAt(0, 0, 2); });
    screen.Write(0, 0, 7, "hi");
    ui.Flushed(screen);
    ui.ScreenRestored(screen);
    ui.Flushed(screen);
    EXPECT_EQ(ui.FlushCount(), 2);
    EXPECT_EQ(ui.RestoreCount(), 1);
    EXPECT_EQ(seen, "hi");
    EXPECT_EQ(ui.Log(), (std::vector<std::string>{"Flush", "Restore", "Flush"}));
}

} // namespace

namespace ulvar::standin {

TEST(ScriptedUi, NoticesWithoutButtonsCanPassTheQueue) {
    ScriptedUi ui;
    ui.LetNoticesPass();
    ui.QueueMessage(1);
    MessageShown notice;
    notice.lines = {"Progress", "Starting"};
    MessageShown question;
    question.lines = {"Title"};
    question.buttons = {"Yes", "No"};
    EXPECT_EQ(ui.Message(notice), -1);
    EXPECT_EQ(ui.Message(notice), -1);
    EXPECT_EQ(ui.Message(question), 1);
    EXPECT_EQ(ui.UnscriptedCount(), 0);
    EXPECT_EQ(ui.PendingCount(), 0);
    ASSERT_EQ(ui.Messages().size(), 3u);
    EXPECT_EQ(ui.Messages()[1].shown.lines[1], "Starting");
}

} // namespace ulvar::standin
