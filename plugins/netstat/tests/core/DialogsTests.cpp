#include "plugins/netstat/core/Dialogs.h"
#include "plugins/netstat/core/PanelLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace sockwell {
namespace {

std::string Msg(int number) {
    return "m" + std::to_string(number);
}

struct Expected {
    int type, x1, y1, x2, y2;
    std::string text;
    std::uint32_t flags;
};

void ExpectItems(const std::vector<ulvar::DialogItem>& items,
                 const std::vector<Expected>& expected) {
    ASSERT_EQ(items.size(), expected.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE("item " + std::to_string(i));
        EXPECT_EQ(items[i].Type, expected[i].type);
        EXPECT_EQ(items[i].X1, expected[i].x1);
        EXPECT_EQ(items[i].Y1, expected[i].y1);
        EXPECT_EQ(items[i].X2, expected[i].x2);
        EXPECT_EQ(items[i].Y2, expected[i].y2);
        EXPECT_EQ(items[i].Data, expected[i].text);
        EXPECT_EQ(items[i].Flags, expected[i].flags);
        EXPECT_EQ(items[i].Focus, 0);
        EXPECT_EQ(items[i].DefaultButton, 0);
    }
}

TEST(ConfigDialog, LayoutAndCheckStatesFollowTheSettingsInEffect) {
    Settings settings;
    auto dialog = ConfigDialog(settings, Msg);
    EXPECT_EQ(dialog.width, 45);
    EXPECT_EQ(dialog.height, 9);
    ExpectItems(dialog.items, {{ulvar::DialogDoubleBox, 3, 1, 41, 7, "m0", 0},
                               {ulvar::DialogCheckBox, 5, 3, 0, 0, "m7", 0},
                               {ulvar::DialogCheckBox, 5, 4, 0, 0, "m9", 0},
                               {ulvar::DialogCheckBox, 5, 5, 0, 0, "m8", 0},
                               {ulvar::DialogButton, 0, 7, 0, 0, "m5", ulvar::DialogCenterGroup},
                               {ulvar::DialogButton, 0, 7, 0, 0, "m6", ulvar::DialogCenterGroup}});
    EXPECT_EQ(dialog.items[1].Selected, 0);
    EXPECT_EQ(dialog.items[2].Selected, 0);
    EXPECT_EQ(dialog.items[3].Selected, 1);

    // A 2 in the registry leaves host names and the refresh off, so their boxes are clear.
    settings = Settings{2, 2, 2};
    dialog = ConfigDialog(settings, Msg);
    EXPECT_EQ(dialog.items[1].Selected, 0);
    EXPECT_EQ(dialog.items[2].Selected, 1);
    EXPECT_EQ(dialog.items[3].Selected, 0);
}

TEST(ConfigDialog, OnlyTheFirstButtonAcceptsAndStatesBecomeZeroOrOne) {
    auto dialog = ConfigDialog(Settings{}, Msg);
    dialog.items[1].Selected = 1;
    dialog.items[2].Selected = 2;
    dialog.items[3].Selected = 0;
    auto const accepted = ConfigDialogResult(4, dialog.items);
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->resolve, 1u);
    EXPECT_EQ(accepted->resolvePorts, 1u);
    EXPECT_EQ(accepted->autoRefresh, 0u);
    for (int closing : {-1, 0, 1, 3, 5})
        EXPECT_FALSE(ConfigDialogResult(closing, dialog.items)) << closing;
}

TEST(ProcessDialog, WidthFollowsTheLongerText) {
    ProcessEntry const entry{"a-rather-long-name.exe", "0x1f"};
    auto const dialog = ProcessDialog(&entry, Msg);
    int const w = 22;
    EXPECT_EQ(dialog.width, w + 24);
    EXPECT_EQ(dialog.height, 8);
    ExpectItems(dialog.items, {{ulvar::DialogDoubleBox, 3, 1, 20 + w, 6, "", 0},
                               {ulvar::DialogText, 5, 3, 0, 0, "m10", 0},
                               {ulvar::DialogText, 19, 3, 0, 0, "0x1f", 0},
                               {ulvar::DialogText, 5, 4, 0, 0, "m11", 0},
                               {ulvar::DialogText, 19, 4, 0, 0, "a-rather-long-name.exe", 0}});

    ProcessEntry const shortName{"a", "0x12345678"};
    EXPECT_EQ(ProcessDialog(&shortName, Msg).width, 10 + 24);

    auto const none = ProcessDialog(nullptr, Msg);
    EXPECT_EQ(none.width, 24);
    EXPECT_EQ(none.items[0].X2, 20);
    EXPECT_STREQ(none.items[2].Data, "");
    EXPECT_STREQ(none.items[4].Data, "");
}

TEST(PanelLayout, TenAlikeModesWithTheFourColumnsAndTheKeptTitle) {
    std::string title = "Sockwell";
    std::array<std::string, 4> columns = {"Name", "Local", "Remote", "State"};
    PanelLayout const layout(title, columns);
    title = "changed";
    columns[0] = "changed";
    ulvar::OpenPluginInfoRecord record{};
    layout.Fill(record);
    EXPECT_EQ(record.Flags, ulvar::PanelAddDots | ulvar::PanelPreserveCase);
    EXPECT_STREQ(record.PanelTitle, "Sockwell");
    EXPECT_EQ(record.CurDir, nullptr);
    EXPECT_EQ(record.InfoLinesNumber, 0);
    EXPECT_EQ(record.KeyBar, nullptr);
    EXPECT_EQ(record.StartPanelMode, ulvar::NoStartMode);
    ASSERT_EQ(record.PanelModesNumber, 10);
    for (int i = 0; i < 10; ++i) {
        auto const& mode = record.PanelModesArray[i];
        EXPECT_STREQ(mode.ColumnTypes, "N,C0,C1,C2");
        EXPECT_STREQ(mode.ColumnWidths, "5,0,0,11");
        EXPECT_STREQ(mode.ColumnTitles[0], "Name");
        EXPECT_STREQ(mode.ColumnTitles[3], "State");
        EXPECT_EQ(mode.FullScreen, 0);
        EXPECT_EQ(mode.DetailedStatus, 1);
        EXPECT_EQ(mode.AlignExtensions, 1);
        EXPECT_EQ(mode.CaseConversion, 1);
        EXPECT_EQ(mode.StatusColumnTypes, nullptr);
    }
}

} // namespace
} // namespace sockwell
