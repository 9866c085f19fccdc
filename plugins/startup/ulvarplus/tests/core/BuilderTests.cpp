// Dialogs, messages and menus built by the library and shown through the stand-in host: the
// layout rules, bound values stored on exit, radio groups, lines before buttons.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"
#include "plugins/startup/ulvarplus/DialogBuilder.h"
#include "plugins/startup/ulvarplus/MenuBuilder.h"
#include "plugins/startup/ulvarplus/MessageBuilder.h"

#include <gtest/gtest.h>

#include <string>

namespace ulvarplus {
namespace {

using ulvar::standin::DialogAnswer;

HostRecord record;

void KeepRecord(const ulvar::HostStartupInfo* info) {
    record.Keep(*info);
}

class BuilderTest : public ::testing::Test {
protected:
    BuilderTest() : host_(ulvar::standin::HostOptions{}, ui) {
        ulvar::standin::PluginEntryPoints entry;
        entry.SetStartupInfo = KeepRecord;
        host_.Load(entry, "C:\\plugins\\builder.dll");
    }

    ulvar::standin::ScriptedUi ui;

private:
    ulvar::standin::StandInHost host_;
};

struct Place {
    int type, x1, y1, x2, y2;
    std::uint32_t centred;
};

void ExpectPlaces(const std::vector<ulvar::DialogItem>& items, const std::vector<Place>& places) {
    ASSERT_EQ(items.size(), places.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_EQ(items[i].Type, places[i].type) << i;
        EXPECT_EQ(items[i].X1, places[i].x1) << i;
        EXPECT_EQ(items[i].Y1, places[i].y1) << i;
        EXPECT_EQ(items[i].X2, places[i].x2) << i;
        EXPECT_EQ(items[i].Y2, places[i].y2) << i;
        EXPECT_EQ(items[i].Flags & ulvar::DialogCenterGroup, places[i].centred) << i;
    }
}

constexpr std::uint32_t C = ulvar::DialogCenterGroup;

TEST_F(BuilderTest, ItemsAreLaidOutByTheirColumnRules) {
    std::uint32_t disks = 1, hotkey = 7, plugins = 0;
    DialogBuilder dialog(record, std::string("Config"), "Config");
    dialog.CheckBox(std::string("Add to disks menu"), disks);      // 17 characters
    dialog.NumberEdit(hotkey, 1, 5, true);                         // column 10
    dialog.Text(std::string("Hot key"), 7);                        // column 12, same row
    dialog.CheckBox(std::string("Add to plug-ins menu"), plugins); // 20 characters
    dialog.Separator();
    dialog.Button(std::string("OK"), true);
    dialog.Button(std::string("Cancel"));
    dialog.Layout();
    using namespace ulvar;
    // The widest edge: the second check box, 5 + 20 + 4 = 29; the frame ends at 31.
    ExpectPlaces(dialog.Items(), {{DialogDoubleBox, 3, 1, 31, 7, 0},
                                  {DialogCheckBox, 5, 2, 0, 2, 0},
                                  {DialogFixEdit, 10, 3, 10, 3, 0},
                                  {DialogText, 12, 3, 0, 3, 0},
                                  {DialogCheckBox, 5, 4, 0, 4, 0},
                                  {DialogText, -1, 5, 0, 5, 0},
                                  {DialogButton, 0, 6, 0, 6, C},
                                  {DialogButton, 0, 6, 0, 6, C}});
    EXPECT_EQ(dialog.Width(), 35);
    EXPECT_EQ(dialog.Height(), 9);
    EXPECT_EQ(std::string(dialog.Items()[2].Data), "7");
    EXPECT_EQ(dialog.Items()[1].Selected, 1);
    EXPECT_EQ(dialog.Items()[1].Focus, 1) << "the first item that is no text or box";
    EXPECT_EQ(dialog.Items()[6].DefaultButton, 1) << "the first button";
    EXPECT_EQ(dialog.Items()[7].DefaultButton, 0);
}

TEST_F(BuilderTest, EditWidthsMakeTheRightEdgeAndACentredButtonAfterATextTakesTheNextRow) {
    DialogBuilder dialog(record, std::string("Entry"));
    dialog.Text(std::string("Program:"));
    int const edit = dialog.Edit("C:\\a.exe", 60, "Launchet.ItemName", -1, ulvar::DialogReadOnly);
    dialog.Text(std::string("Note"));
    dialog.Button(std::string("OK"));
    dialog.SetFocus(edit);
    dialog.Layout();
    using namespace ulvar;
    ExpectPlaces(dialog.Items(), {{DialogDoubleBox, 3, 1, 66, 6, 0},
                                  {DialogText, 5, 2, 0, 2, 0},
                                  {DialogEdit, 5, 3, 64, 3, 0},
                                  {DialogText, 5, 4, 0, 4, 0},
                                  {DialogButton, 0, 5, 0, 5, C}});
    EXPECT_EQ(dialog.Width(), 70);
    EXPECT_EQ(dialog.Height(), 8);
    EXPECT_EQ(dialog.Items()[2].Focus, 1);
    EXPECT_EQ(dialog.Items()[2].Flags & (DialogHistory | DialogReadOnly),
              DialogHistory | DialogReadOnly);
    EXPECT_STREQ(dialog.Items()[2].History, "Launchet.ItemName");
}

TEST_F(BuilderTest, AStoringButtonStoresEveryBoundValueAndABadNumberRunsTheDialogAgain) {
    std::uint32_t check = 0, number = 3;
    std::string text = "before";
    DialogBuilder dialog(record, std::string("T"), "Topic");
    dialog.CheckBox(std::string("Check"), check);
    int const numberItem = dialog.NumberEdit(number, 1);
    dialog.Edit("before", 20, nullptr, -1, 0, &text);
    int const ok = dialog.Button(std::string("OK"), true);
    dialog.Button(std::string("Cancel"));
    ui.QueueDialog(DialogAnswer{ok, {{numberItem, "x"}, {3, "after"}}, {{1, 1}}});
    ui.QueueDialog(DialogAnswer{ok, {{numberItem, "9"}}, {}});
    EXPECT_EQ(dialog.Run(), ok);
    ASSERT_EQ(ui.Dialogs().size(), 2u);
    EXPECT_EQ(ui.Dialogs()[0].shown.helpTopic, "Topic");
    EXPECT_EQ(ui.Dialogs()[0].shown.x2, dialog.Width());
    EXPECT_EQ(ui.Dialogs()[1].shown.items[static_cast<std::size_t>(numberItem)].Focus, 1)
        << "the item that failed its check";
    EXPECT_EQ(check, 1u);
    EXPECT_EQ(number, 9u);
    EXPECT_EQ(text, "after");
}

TEST_F(BuilderTest, OtherClosingItemsStoreNothing) {
    std::uint32_t check = 0;
    DialogBuilder dialog(record, std::string("T"));
    dialog.CheckBox(std::string("Check"), check);
    dialog.Button(std::string("OK"), true);
    int const cancel = dialog.Button(std::string("Cancel"));
    ui.QueueDialog(DialogAnswer{cancel, {}, {{1, 1}}});
    EXPECT_EQ(dialog.Run(), cancel);
    ui.QueueDialog(DialogAnswer{-1, {}, {{1, 1}}});
    EXPECT_EQ(dialog.Run(), -1);
    EXPECT_EQ(check, 0u);
}

TEST_F(BuilderTest, ARadioGroupSelectsItsInitialPositionAndReportsTheChosenOne) {
    for (int initial : {2, 7, -1}) {
        DialogBuilder dialog(record, std::string("T"));
        RadioGroup group(dialog, initial);
        for (const char* text : {"a", "b", "c", "d"})
            group.Add(std::string(text));
        EXPECT_EQ(dialog.Items()[1].Flags & ulvar::DialogGroup, ulvar::DialogGroup);
        EXPECT_EQ(dialog.Items()[2].Flags & ulvar::DialogGroup, 0u);
        EXPECT_EQ(group.Selection(), initial >= 0 && initial < 4 ? initial : -1) << initial;
        dialog.Items()[4].Selected = 1;
        EXPECT_EQ(group.Selection(), initial == 2 ? 2 : 3) << initial;
    }
}

TEST_F(BuilderTest, MessagesKeepTheirLinesBeforeTheirButtons) {
    ui.QueueMessage(1);
    int const answer = MessageBuilder(record, ulvar::MessageWarning, "Help")
                           .Line(std::string("Title"))
                           .Button(std::string("Yes"))
                           .Line(std::string("Text"))
                           .Button(std::string("No"))
                           .Run();
    EXPECT_EQ(answer, 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    auto const& shown = ui.Messages()[0].shown;
    EXPECT_EQ(shown.lines, (std::vector<std::string>{"Title", "Text"}));
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(shown.helpTopic, "Help");
    EXPECT_EQ(shown.flags, ulvar::MessageWarning);

    ui.QueueMessage(0);
    ErrorMessage(record, std::string("It failed"), ulvar::MessageErrorLine);
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[1].shown.flags, ulvar::MessageWarning | ulvar::MessageErrorLine);
    EXPECT_EQ(ui.Messages()[1].shown.buttons.size(), 1u);

    ui.QueueMessage(0);
    SimpleMessage(record, 0, {std::string("T"), std::string("L")}, true);
    EXPECT_EQ(ui.Messages()[2].shown.lines, (std::vector<std::string>{"T", "L"}));
    EXPECT_EQ(ui.Messages()[2].shown.buttons.size(), 1u);
}

TEST_F(BuilderTest, MenusCarryTitleFlagsAndMarks) {
    ui.QueueMenu(1);
    MenuBuilder menu(record, std::string("Menu"));
    menu.Item(std::string("first")).Item(std::string(200, 'x'), true, true).Separator();
    EXPECT_EQ(menu.Run(), 1);
    ASSERT_EQ(ui.Menus().size(), 1u);
    auto const& shown = ui.Menus()[0].shown;
    EXPECT_EQ(shown.title, "Menu");
    EXPECT_EQ(shown.flags, ulvar::MenuWrapMode);
    EXPECT_TRUE(shown.breakKeys.empty());
    ASSERT_EQ(shown.items.size(), 3u);
    EXPECT_EQ(std::string(shown.items[1].Text).size(), 127u);
    EXPECT_EQ(shown.items[1].Selected, 1);
    EXPECT_EQ(shown.items[1].Checked, 1);
    EXPECT_EQ(shown.items[2].Separator, 1);
}

} // namespace
} // namespace ulvarplus
