#include "plugin-host/standin/core/PluginPanel.h"
#include "plugin-host/tests/core/FakePlugin.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <string>
#include <vector>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

class PluginPanelTest : public testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    void TearDown() override { fake::Reset(); }

    static std::vector<std::string> Names(const PluginPanel& panel) {
        std::vector<std::string> names;
        for (int i = 0; i < panel.Count(); ++i)
            names.push_back(panel.Name(i));
        return names;
    }
};

TEST_F(PluginPanelTest, ListsWithDotsFirstFoldersNextThenNamesInHostOrder) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    ASSERT_TRUE(panel.Refresh());
    EXPECT_EQ(Names(panel),
              (std::vector<std::string>{"..", "Alpha", "beta.txt", "delta.txt", "gamma.log"}));
    EXPECT_TRUE(panel.IsDots(0));
    EXPECT_EQ(panel.Item(0).UserData, 0);
    EXPECT_EQ(panel.Item(0).Flags & ItemHasUserData, 0u);
    EXPECT_FALSE(panel.IsDots(1));
}

TEST_F(PluginPanelTest, WithoutTheDotsFlagThereIsNoDotsItem) {
    fake::S().flags = 0;
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    EXPECT_EQ(panel.Name(0), "Alpha");
    EXPECT_EQ(panel.Find(".."), -1);
}

TEST_F(PluginPanelTest, SortsByTheSortModeOrByThePluginsCompare) {
    struct Case {
        const char* what;
        int mode;
        bool descending;
        bool ownOrder;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"unsorted keeps the plug-in's order",
         SortUnsorted,
         false,
         false,
         {"..", "beta.txt", "Alpha", "gamma.log", "delta.txt"}},
        {"host order by size",
         SortBySize,
         false,
         false,
         {"..", "Alpha", "gamma.log", "delta.txt", "beta.txt"}},
        {"host order by extension",
         SortByExtension,
         false,
         false,
         {"..", "Alpha", "gamma.log", "beta.txt", "delta.txt"}},
        {"descending by name",
         SortByName,
         true,
         false,
         {"..", "Alpha", "gamma.log", "delta.txt", "beta.txt"}},
        {"the plug-in's own order",
         SortByName,
         false,
         true,
         {"..", "Alpha", "beta.txt", "delta.txt", "gamma.log"}},
    };
    for (auto const& c : cases) {
        fake::Reset();
        fake::S().ownOrder = c.ownOrder;
        PluginPanel panel(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        panel.SetSortMode(c.mode, c.descending);
        EXPECT_EQ(Names(panel), c.expected) << c.what;
    }
}

TEST_F(PluginPanelTest, NewListingComesBeforeTheOldOneIsFreed) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    fake::S().log.clear();
    ASSERT_TRUE(panel.SetDirectory("Alpha"));
    EXPECT_EQ(fake::S().log, (std::vector<std::string>{"SetDirectory Alpha", "GetOpenPluginInfo",
                                                       "GetFindData Alpha", "FreeFindData"}));
    EXPECT_EQ(fake::S().badFrees, 0);
    EXPECT_EQ(fake::S().live.size(), 1u);
    EXPECT_EQ(panel.Description().curDir, "\\Alpha");
    EXPECT_EQ(Names(panel), (std::vector<std::string>{"..", "Deeper", "inner.txt"}));
}

TEST_F(PluginPanelTest, GoingUpPutsTheCursorOnTheFolderLeft) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.SetCursor(panel.Find("Alpha"));
    ASSERT_TRUE(panel.EnterCurrent());
    EXPECT_EQ(panel.Current(), 0);
    ASSERT_TRUE(panel.EnterCurrent()); // on ".."
    EXPECT_EQ(fake::S().folder, "");
    EXPECT_EQ(panel.Name(panel.Current()), "Alpha");
}

TEST_F(PluginPanelTest, EnterOnAFileOrARefusedFolderChangesNothing) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.SetCursor(panel.Find("beta.txt"));
    EXPECT_FALSE(panel.EnterCurrent());
    EXPECT_FALSE(panel.SetDirectory("Nowhere"));
    EXPECT_EQ(panel.Count(), 5);
    EXPECT_EQ(panel.Name(panel.Current()), "beta.txt");
}

TEST_F(PluginPanelTest, SelectionIsTheCurrentItemWhenNothingIsSelected) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.SetCursor(panel.Find("delta.txt"));
    PanelInfo info;
    panel.FillInfo(info);
    ASSERT_EQ(info.SelectedItemsNumber, 1);
    EXPECT_STREQ(info.SelectedItems[0].Data.FileName, "delta.txt");
    EXPECT_EQ(info.SelectedItems[0].Flags & ItemSelected, 0u);
    EXPECT_EQ(info.CurrentItem, panel.Find("delta.txt"));

    panel.Select(panel.Find("beta.txt"), true);
    panel.Select(panel.Find("gamma.log"), true);
    panel.Select(0, true); // ".." cannot be selected
    panel.FillInfo(info);
    ASSERT_EQ(info.SelectedItemsNumber, 2);
    EXPECT_STREQ(info.SelectedItems[0].Data.FileName, "beta.txt");
    EXPECT_STREQ(info.SelectedItems[1].Data.FileName, "gamma.log");
    EXPECT_NE(info.PanelItems[panel.Find("beta.txt")].Flags & ItemSelected, 0u);
    EXPECT_EQ(info.PanelItems[0].Flags & ItemSelected, 0u);
    EXPECT_EQ(info.ItemsNumber, 5);
    EXPECT_STREQ(info.CurDir, "\\");
    EXPECT_EQ(info.Plugin, 1);
}

TEST_F(PluginPanelTest, UpdateKeepsTheSelectionByNameOnlyWhenAsked) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.Select(panel.Find("gamma.log"), true);
    panel.SetCursor(panel.Find("delta.txt"));
    panel.SetSortMode(SortBySize); // the order changes, the selection follows the names
    EXPECT_TRUE(panel.IsSelected(panel.Find("gamma.log")));
    EXPECT_EQ(panel.Name(panel.Current()), "delta.txt");

    panel.Refresh(true);
    EXPECT_TRUE(panel.IsSelected(panel.Find("gamma.log")));
    EXPECT_EQ(panel.SelectedCount(), 1);
    EXPECT_EQ(panel.Name(panel.Current()), "delta.txt");
    panel.Refresh(false);
    EXPECT_EQ(panel.SelectedCount(), 0);
}

// Rows that share one name (a connection table's " tcp " rows) are told apart by their column
// texts, and where those changed too, by their order among the rows of that name.
TEST_F(PluginPanelTest, UpdateKeepsCursorAndSelectionOnTheSameRowsAmongEqualNames) {
    fake::S().flags = 0;
    fake::S().startSortMode = SortUnsorted;
    fake::S().rows = {{"tcp", ":80"}, {"tcp", ":81"}, {"tcp", ":82"}, {"udp", ":53"}};
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.SetCursor(2);
    panel.Select(1, true);
    auto const column = [&panel](int index) {
        return std::string(panel.Item(index).CustomColumnData[0]);
    };

    panel.Refresh(true);
    EXPECT_EQ(column(panel.Current()), ":82");
    EXPECT_EQ(panel.Selection(), (std::vector<int>{1}));

    // A new row before them: the same rows by their column texts.
    fake::S().rows.insert(fake::S().rows.begin(), {"tcp", ":79"});
    panel.Refresh(true);
    EXPECT_EQ(column(panel.Current()), ":82");
    ASSERT_EQ(panel.SelectedCount(), 1);
    EXPECT_EQ(column(panel.Selection()[0]), ":81");

    // Every text changed: by the order among the rows of the name.
    fake::S().rows = {{"tcp", "a"}, {"tcp", "b"}, {"tcp", "c"}, {"tcp", "d"}, {"udp", "e"}};
    panel.Refresh(true);
    EXPECT_EQ(column(panel.Current()), "d");
    EXPECT_EQ(panel.Selection(), (std::vector<int>{2}));
}

TEST_F(PluginPanelTest, ApplySelectionTakesTheFlagsOfTheGivenItems) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    PanelInfo info;
    panel.FillInfo(info);
    info.PanelItems[2].Flags |= ItemSelected;
    info.PanelItems[4].Flags |= ItemSelected;
    panel.ApplySelection(info);
    EXPECT_EQ(panel.Selection(), (std::vector<int>{2, 4}));
}

TEST_F(PluginPanelTest, FileOperationsGetTheSelectionWithoutTheDots) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    EXPECT_EQ(panel.GetFiles("C:\\tmp", false, OpView), 0) << "only '..' is current";
    EXPECT_TRUE(fake::S().received.empty());

    panel.Select(panel.Find("beta.txt"), true);
    panel.Select(panel.Find("Alpha"), true);
    EXPECT_EQ(panel.GetFiles("C:\\tmp", false, OpView), 1);
    EXPECT_EQ(fake::S().received, (std::vector<std::string>{"Alpha", "beta.txt"}));
    EXPECT_EQ(panel.SelectedCount(), 0) << "a successful copy clears the selection";

    fake::S().received.clear();
    panel.SetCursor(panel.Find("gamma.log"));
    EXPECT_EQ(panel.DeleteFiles(0), 1);
    EXPECT_EQ(fake::S().received, (std::vector<std::string>{"gamma.log"}));
}

TEST_F(PluginPanelTest, FailedListingIsEmptyAndNotFreed) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    fake::S().failListing = true;
    EXPECT_FALSE(panel.Refresh());
    EXPECT_EQ(panel.Count(), 1) << "only the host's '..'";
    EXPECT_TRUE(fake::S().live.empty());
    EXPECT_EQ(fake::S().badFrees, 0);
}

TEST_F(PluginPanelTest, CloseFreesTheListingAndClosesOnce) {
    {
        PluginPanel panel(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        panel.Close();
        panel.Close();
        EXPECT_TRUE(panel.Closed());
        EXPECT_FALSE(panel.Refresh());
    }
    EXPECT_TRUE(fake::S().live.empty());
    EXPECT_EQ(std::count(fake::S().log.begin(), fake::S().log.end(), "ClosePlugin"), 1);
    EXPECT_EQ(std::count(fake::S().log.begin(), fake::S().log.end(), "FreeFindData"), 1);
}

TEST_F(PluginPanelTest, StartModesApplyOnlyToTheFirstListing) {
    fake::S().startPanelMode = '3';
    fake::S().startSortMode = SortBySize;
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    EXPECT_EQ(panel.ViewMode(), 3);
    EXPECT_EQ(panel.SortMode(), SortBySize);
    EXPECT_EQ(panel.ColumnTypes(), "N,S,C0");
    EXPECT_EQ(panel.ColumnWidths(), "0,6,8");
    panel.SetViewMode(1);
    panel.SetSortMode(SortByName);
    panel.Refresh();
    EXPECT_EQ(panel.ViewMode(), 1);
    EXPECT_EQ(panel.SortMode(), SortByName);
    EXPECT_EQ(panel.ColumnTypes(), "N") << "a mode the plug-in left empty";
    EXPECT_EQ(fake::S().events, (std::vector<int>{EventChangeViewMode}));
}

TEST_F(PluginPanelTest, DescriptionCopiesTitlesAndTellsNullFromEmptyKeyLabels) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    auto const& d = panel.Description();
    EXPECT_EQ(d.panelTitle, "Fake");
    ASSERT_EQ(d.modes.size(), static_cast<std::size_t>(ViewModeCount));
    ASSERT_TRUE(d.modes[3].columnTitles.has_value());
    EXPECT_EQ(*d.modes[3].columnTitles, (std::vector<std::string>{"Name", "Size", "Kind"}));
    EXPECT_FALSE(d.modes[0].columnTitles.has_value());
    ASSERT_TRUE(d.hasKeyBar);
    EXPECT_EQ(d.keyBar[PanelDescription::Plain][6], std::optional<std::string>("MkLink"));
    EXPECT_EQ(d.keyBar[PanelDescription::Plain][7], std::optional<std::string>(""));
    EXPECT_FALSE(d.keyBar[PanelDescription::Plain][8].has_value());
    EXPECT_FALSE(d.keyBar[PanelDescription::Shift][6].has_value());
}

TEST_F(PluginPanelTest, CursorStaysInsideTheListAndTheTopFollowsIt) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    panel.SetPageHeight(2);
    panel.SetCursor(99);
    EXPECT_EQ(panel.Current(), 4);
    EXPECT_EQ(panel.Top(), 3);
    panel.MoveCursor(-10);
    EXPECT_EQ(panel.Current(), 0);
    EXPECT_EQ(panel.Top(), 0);
    panel.SetCursor(1, 1);
    EXPECT_EQ(panel.Top(), 1);
}

TEST_F(PluginPanelTest, KeysAndEventsReachThePlugin) {
    PluginPanel panel(fake::EntryPoints(), fake::Handle);
    panel.Refresh();
    EXPECT_EQ(panel.ProcessKey('X', 0), 1);
    EXPECT_EQ(panel.ProcessKey('Y', 0), 0);
    panel.ProcessEvent(EventIdle, nullptr);
    EXPECT_EQ(fake::S().keys, (std::vector<int>{'X', 'Y'}));
    EXPECT_EQ(fake::S().events, (std::vector<int>{EventIdle}));
}

TEST_F(PluginPanelTest, MissingEntryPointsAreSkipped) {
    PluginPanel panel(PluginEntryPoints{}, fake::Handle);
    EXPECT_FALSE(panel.Refresh());
    EXPECT_EQ(panel.Count(), 0);
    EXPECT_EQ(panel.ProcessKey('X', 0), 0);
    EXPECT_FALSE(panel.EnterCurrent());
    EXPECT_EQ(panel.GetFiles("x", false, 0), 0);
    PanelInfo info;
    panel.FillInfo(info);
    EXPECT_EQ(info.SelectedItemsNumber, 0);
    panel.Close();
}

} // namespace
