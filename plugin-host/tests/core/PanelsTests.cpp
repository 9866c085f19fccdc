#include "plugin-host/standin/core/Panels.h"
#include "plugin-host/tests/core/FakePlugin.h"

#include <gtest/gtest.h>

#include <string>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

class PanelsTest : public testing::Test {
protected:
    void SetUp() override {
        fake::Reset();
        panels.PassiveFiles().folder = "C:\\Work";
        panels.PassiveFiles().items = {MakePanelItem("one.txt"), MakePanelItem("two.txt"),
                                       MakePanelItem("Three", AttributeDirectory)};
        panels.PassiveFiles().current = 1;
    }
    void TearDown() override {
        panels.DetachPlugin();
        EXPECT_TRUE(fake::S().live.empty()) << "every listing handed out is freed";
        fake::Reset();
    }

    PluginPanel& OpenFake() {
        auto& panel = panels.AttachPlugin(fake::EntryPoints(), fake::Handle);
        panel.Refresh();
        return panel;
    }

    Panels panels;
};

TEST_F(PanelsTest, OtherPanelIsTheFolderTheTestSetUp) {
    OpenFake();
    PanelInfo info;
    ASSERT_EQ(panels.Control(fake::Handle, ControlGetOtherPanelInfo, &info), 1);
    EXPECT_EQ(info.PanelType, PanelTypeFiles);
    EXPECT_EQ(info.Plugin, 0);
    EXPECT_EQ(info.Focus, 0);
    EXPECT_STREQ(info.CurDir, "C:\\Work");
    ASSERT_EQ(info.ItemsNumber, 3);
    EXPECT_STREQ(info.PanelItems[2].Data.FileName, "Three");
    ASSERT_EQ(info.SelectedItemsNumber, 1) << "the current item when nothing is selected";
    EXPECT_STREQ(info.SelectedItems[0].Data.FileName, "two.txt");
}

TEST_F(PanelsTest, OtherPanelCanBeAnInformationPanel) {
    panels.PassiveFiles().type = PanelTypeInfo;
    OpenFake();
    PanelInfo info;
    panels.Control(fake::Handle, ControlGetOtherPanelInfo, &info);
    EXPECT_EQ(info.PanelType, PanelTypeInfo);
}

TEST_F(PanelsTest, HandlesNameTheSides) {
    OpenFake();
    struct Case {
        PanelHandle handle;
        int command;
        int plugin; // expected Plugin field, -1: the call fails
    };
    const Case cases[] = {
        {fake::Handle, ControlGetPanelInfo, 1},
        {ActivePanel, ControlGetPanelInfo, 1},
        {PassivePanel, ControlGetPanelInfo, 0},
        {PassivePanel, ControlGetOtherPanelInfo, 1},
        {reinterpret_cast<PanelHandle>(0x999), ControlGetPanelInfo, -1},
    };
    for (auto const& c : cases) {
        PanelInfo info{};
        int const result = panels.Control(c.handle, c.command, &info);
        if (c.plugin < 0) {
            EXPECT_EQ(result, 0);
        } else {
            EXPECT_EQ(result, 1);
            EXPECT_EQ(info.Plugin, c.plugin) << c.command;
        }
    }
    PanelInfo info;
    EXPECT_EQ(panels.Control(ActivePanel, 999, &info), 0);
    EXPECT_EQ(panels.Control(ActivePanel, ControlGetPanelInfo, nullptr), 0);
}

TEST_F(PanelsTest, UpdateRedrawAndSelectionReachThePluginPanel) {
    auto& panel = OpenFake();
    PanelInfo info;
    panels.Control(fake::Handle, ControlGetPanelInfo, &info);
    info.PanelItems[3].Flags |= ItemSelected; // delta.txt
    ASSERT_EQ(panels.Control(fake::Handle, ControlSetSelection, &info), 1);
    EXPECT_TRUE(panel.IsSelected(3));

    fake::S().log.clear();
    int keep = 1;
    panels.Control(fake::Handle, ControlUpdatePanel, &keep);
    EXPECT_EQ(fake::S().log.front(), "GetOpenPluginInfo");
    EXPECT_TRUE(panel.IsSelected(3));
    panels.Control(fake::Handle, ControlUpdatePanel, nullptr);
    EXPECT_EQ(panel.SelectedCount(), 0);

    RedrawInfo redraw{4, 2};
    panels.Control(fake::Handle, ControlRedrawPanel, &redraw);
    EXPECT_EQ(panel.Current(), 4);
    EXPECT_EQ(panel.Top(), 2);
    panels.Control(fake::Handle, ControlRedrawPanel, nullptr);
    EXPECT_EQ(panels.RedrawCount(), 2);
}

TEST_F(PanelsTest, SelectionAndRedrawOfTheOtherFilePanel) {
    OpenFake();
    PanelInfo info;
    panels.Control(PassivePanel, ControlGetPanelInfo, &info);
    info.PanelItems[0].Flags |= ItemSelected;
    panels.Control(PassivePanel, ControlSetSelection, &info);
    RedrawInfo redraw{2, 0};
    panels.Control(fake::Handle, ControlRedrawOtherPanel, &redraw);
    panels.Control(fake::Handle, ControlGetOtherPanelInfo, &info);
    EXPECT_EQ(info.CurrentItem, 2);
    ASSERT_EQ(info.SelectedItemsNumber, 1);
    EXPECT_STREQ(info.SelectedItems[0].Data.FileName, "one.txt");
}

TEST_F(PanelsTest, FoldersShownWhileOpeningAreRecorded) {
    panels.SetOpening(true);
    EXPECT_EQ(
        panels.Control(ActivePanel, ControlSetPanelDirectory, const_cast<char*>("C:\\Startup")), 1);
    panels.SetOpening(false);
    EXPECT_EQ(panels.ActiveFiles().folder, "C:\\Startup");
    EXPECT_FALSE(panels.CloseRequested()) << "no plug-in panel to replace";

    OpenFake();
    panels.Control(fake::Handle, ControlSetOtherPanelDirectory, const_cast<char*>("D:\\"));
    EXPECT_FALSE(panels.CloseRequested());
    panels.Control(fake::Handle, ControlSetPanelDirectory, const_cast<char*>("E:\\"));
    EXPECT_TRUE(panels.CloseRequested()) << "a folder shown in the plug-in's place closes it";

    auto const& requests = panels.DirectoryRequests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_TRUE(requests[0].whileOpening);
    EXPECT_FALSE(requests[0].otherPanel);
    EXPECT_EQ(requests[1].folder, "D:\\");
    EXPECT_TRUE(requests[1].otherPanel);
    EXPECT_FALSE(requests[1].whileOpening);
    EXPECT_EQ(panels.PassiveFiles().folder, "D:\\");
    EXPECT_EQ(panels.Control(fake::Handle, ControlSetPanelDirectory, nullptr), 0);
}

TEST_F(PanelsTest, ClosePluginIsAskedForNotDoneInside) {
    EXPECT_EQ(panels.Control(ActivePanel, ControlClosePlugin, nullptr), 0);
    OpenFake();
    EXPECT_EQ(panels.Control(fake::Handle, ControlClosePlugin, const_cast<char*>("C:\\")), 1);
    EXPECT_TRUE(panels.CloseRequested());
    EXPECT_FALSE(panels.Plugin()->Closed());
    EXPECT_EQ(panels.ActiveFiles().folder, "C:\\");
}

TEST_F(PanelsTest, ViewAndSortModes) {
    auto& panel = OpenFake();
    int mode = 3;
    EXPECT_EQ(panels.Control(fake::Handle, ControlSetViewMode, &mode), 1);
    EXPECT_EQ(panel.ViewMode(), 3);
    mode = 10;
    EXPECT_EQ(panels.Control(fake::Handle, ControlSetViewMode, &mode), 0);
    mode = SortBySize;
    panels.Control(fake::Handle, ControlSetSortMode, &mode);
    EXPECT_EQ(panel.Name(1), "Alpha");
    EXPECT_EQ(panel.Name(2), "gamma.log");
    mode = 5;
    panels.Control(PassivePanel, ControlSetViewMode, &mode);
    EXPECT_EQ(panels.PassiveFiles().viewMode, 5);
}

} // namespace
