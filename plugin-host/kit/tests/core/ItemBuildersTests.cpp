#include "plugin-host/kit/core/ItemBuilders.h"

#include <gtest/gtest.h>

#include <string>

namespace ulvar::kit {
namespace {

struct TextCase {
    const char* name;
    std::size_t length;
};

class TextCutTest : public ::testing::TestWithParam<TextCase> {};

// A text of the case's length in dialog data (512 bytes) and menu text (128 bytes) keeps what
// fits with its terminating zero, and the rest of the field stays zero.
TEST_P(TextCutTest, TextIsCutToTheFieldLessItsZero) {
    const std::string text(GetParam().length, 'a');
    const DialogItem item = MakeDialogItem(DialogText, 1, 2, 3, 4, text);
    const MenuItem menu = MakeMenuItem(text);
    EXPECT_EQ(std::string(item.Data), text.substr(0, sizeof item.Data - 1));
    EXPECT_EQ(std::string(menu.Text), text.substr(0, sizeof menu.Text - 1));
    EXPECT_EQ(item.Data[sizeof item.Data - 1], '\0');
    EXPECT_EQ(menu.Text[sizeof menu.Text - 1], '\0');
}

INSTANTIATE_TEST_SUITE_P(Lengths, TextCutTest,
                         ::testing::Values(TextCase{"Empty", 0}, TextCase{"Short", 5},
                                           TextCase{"MenuFieldLessOne", 127},
                                           TextCase{"MenuField", 128},
                                           TextCase{"DialogFieldLessOne", 511},
                                           TextCase{"DialogField", 512}, TextCase{"Longer", 2000}),
                         [](const auto& caseInfo) { return std::string(caseInfo.param.name); });

TEST(ItemBuildersTest, DialogItemHasTypePositionFlagsAndTextAndNothingElse) {
    const DialogItem item =
        MakeDialogItem(DialogButton, 3, 4, 5, 6, "OK", DialogCenterGroup | DialogNoBrackets);
    EXPECT_EQ(item.Type, DialogButton);
    EXPECT_EQ(item.X1, 3);
    EXPECT_EQ(item.Y1, 4);
    EXPECT_EQ(item.X2, 5);
    EXPECT_EQ(item.Y2, 6);
    EXPECT_EQ(item.Flags, static_cast<std::uint32_t>(DialogCenterGroup | DialogNoBrackets));
    EXPECT_STREQ(item.Data, "OK");
    EXPECT_EQ(item.Focus, 0);
    EXPECT_EQ(item.Selected, 0);
    EXPECT_EQ(item.DefaultButton, 0);
    EXPECT_EQ(item.History, nullptr);
    EXPECT_EQ(item.Mask, nullptr);
}

TEST(ItemBuildersTest, MenuItemIsSelectedOnlyWhenAsked) {
    EXPECT_EQ(MakeMenuItem("a").Selected, 0);
    const MenuItem item = MakeMenuItem("b", true);
    EXPECT_EQ(item.Selected, 1);
    EXPECT_EQ(item.Checked, 0);
    EXPECT_EQ(item.Separator, 0);
}

TEST(ItemBuildersTest, DialogItemsKeepTheirOrderAndTheHelpersTheirKinds) {
    DialogItems items;
    items.DoubleBox(3, 1, 40, 7, "Title");
    items.Text(5, 2, "Prompt");
    items.Edit(5, 3, 38, "value", "History").Focus = 1;
    items.CheckBox(5, 4, "Option", true);
    items.Separator(5, 5);
    items.Button(6, "OK").DefaultButton = 1;
    items.Button(6, "Plain", 0);
    const std::vector<DialogItem> all = std::move(items).Take();
    ASSERT_EQ(all.size(), 7u);

    EXPECT_EQ(all[0].Type, DialogDoubleBox);
    EXPECT_EQ(all[0].X2, 40);
    EXPECT_EQ(all[0].Y2, 7);
    EXPECT_STREQ(all[0].Data, "Title");
    EXPECT_EQ(all[1].Type, DialogText);
    EXPECT_EQ(all[1].Flags, 0u);
    EXPECT_EQ(all[2].Type, DialogEdit);
    EXPECT_EQ(all[2].X2, 38);
    EXPECT_EQ(all[2].Y2, 3);
    EXPECT_EQ(all[2].Flags, static_cast<std::uint32_t>(DialogHistory));
    EXPECT_STREQ(all[2].History, "History");
    EXPECT_EQ(all[2].Focus, 1);
    EXPECT_EQ(all[3].Type, DialogCheckBox);
    EXPECT_EQ(all[3].Selected, 1);
    EXPECT_EQ(all[4].Type, DialogText);
    EXPECT_EQ(all[4].Flags, static_cast<std::uint32_t>(DialogSeparator));
    EXPECT_STREQ(all[4].Data, "");
    EXPECT_EQ(all[5].Type, DialogButton);
    EXPECT_EQ(all[5].X1, 0);
    EXPECT_EQ(all[5].Y1, 6);
    EXPECT_EQ(all[5].Flags, static_cast<std::uint32_t>(DialogCenterGroup));
    EXPECT_EQ(all[5].DefaultButton, 1);
    EXPECT_EQ(all[6].Flags, 0u);
}

TEST(ItemBuildersTest, EditWithoutHistoryHasNoHistoryFlag) {
    DialogItems items;
    const DialogItem& edit = items.Edit(1, 1, 10, "");
    EXPECT_EQ(edit.Flags, 0u);
    EXPECT_EQ(edit.History, nullptr);
}

} // namespace
} // namespace ulvar::kit
