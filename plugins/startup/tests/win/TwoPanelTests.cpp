// launchet beside a panel of files in the stand-in host's two panels, driven by the keys a person
// presses: F11 over the files and launchet's "Add to startup" with the panel's selection, and F5
// from the files into launchet's panel on the other side (F6 refused). The files lie in a folder
// that is not the process's current one, so a name the plug-in resolves against any other folder
// than the file panel's shows in the Run value.

#include "plugin-host/standin/core/PanelSession.h"
#include "plugins/startup/tests/win/PluginFixture.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>

namespace launchet::test {
namespace {

using ulvar::standin::DialogAnswer;
using ulvar::standin::LeftSide;
using ulvar::standin::RightSide;
namespace fs = std::filesystem;

// The create dialog for one file and for several (see PanelTests.cpp): the first of the four
// destinations, "Current user's Run key" two below it, and OK.
constexpr int FirstDestination = 6, CreateOk = 11;
constexpr int SeveralFirstDestination = 1, SeveralOk = 6;

class TwoPanelTest : public LaunchetTest {
protected:
    void SetUp() override {
        LoadLinked();
        session_.emplace(Host(), view_.Path());
    }

    void Press(int key) { session_->HandleKey({key, 0, 0}); }
    ulvar::standin::PanelSession& Session() { return *session_; }
    ulvar::standin::FilePanel& Left() { return Host().GetPanels().Files(LeftSide); }
    // Moves the left panel's cursor to the file.
    void GoTo(const std::string& name) {
        auto const& items = Left().items;
        auto const found =
            std::find_if(items.begin(), items.end(),
                         [&](const ulvar::PanelItem& item) { return name == item.Data.FileName; });
        ASSERT_NE(found, items.end()) << name;
        Left().current = static_cast<int>(found - items.begin());
    }

private:
    testsupport::ScratchFolder view_{"launchet-view-"};
    std::optional<ulvar::standin::PanelSession> session_;
};

TEST_F(TwoPanelTest, F11OverAPanelOfFilesAddsItsSelectionFromThatFolder) {
    std::vector<std::string> const names = {Tag() + "-a.exe", Tag() + "-b.exe", Tag() + "-c.exe"};
    std::string const folder = Files(names);
    std::string const before = fs::current_path().string();
    ASSERT_NE(fs::path(before), fs::path(folder));
    Session().ShowFolder(LeftSide, folder);
    GoTo(names[0]);
    Press(ulvar::standin::vk::Insert);
    GoTo(names[2]);
    Press(ulvar::standin::vk::Insert);

    ui.QueueMenu(0); // the host's plug-ins menu: launchet's entry
    ui.QueueMenu(1); // launchet's menu: "Add to startup"
    ui.QueueDialog(DialogAnswer{
        SeveralOk, {}, {{SeveralFirstDestination, 0}, {SeveralFirstDestination + 2, 1}}});
    Press(ulvar::standin::PluginsKey);

    ASSERT_EQ(ui.Menus().size(), 2u);
    EXPECT_NE(std::string(ui.Menus()[0].shown.items[0].Text).find("Startup items"),
              std::string::npos);
    EXPECT_STREQ(ui.Menus()[1].shown.items[1].Text, "Add to startup");
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto values = TaggedRunValues();
    std::sort(values.begin(), values.end());
    EXPECT_EQ(values, (std::vector<std::string>{Tag() + "-a", Tag() + "-c"}));
    EXPECT_EQ(RunValue(Tag() + "-a"), "\"" + folder + "\\" + names[0] + "\"");
    EXPECT_EQ(RunValue(Tag() + "-c"), "\"" + folder + "\\" + names[2] + "\"");
    EXPECT_EQ(Host().PanelOn(LeftSide), nullptr) << "the files stay on their side";
    EXPECT_EQ(fs::current_path(), fs::path(before));
}

TEST_F(TwoPanelTest, F5FromAPanelOfFilesPutsTheFileIntoLaunchetsPanelBesideAndF6IsRefused) {
    std::vector<std::string> const names = {Tag() + ".tool.exe", Tag() + "-moved.exe"};
    std::string const folder = Files(names);
    std::string const before = fs::current_path().string();
    Session().ShowFolder(LeftSide, folder);
    ASSERT_NE(Host().OpenOn(RightSide, ulvar::OpenFromDisksMenu), ulvar::InvalidPanel);
    auto* const startup = Host().PanelOn(RightSide);
    ASSERT_NE(startup, nullptr);
    ASSERT_EQ(Host().ActiveSide(), LeftSide);

    GoTo(names[0]);
    ui.QueueDialog(DialogAnswer{CreateOk, {}, {{FirstDestination, 0}, {FirstDestination + 2, 1}}});
    Press(ulvar::standin::CopyKey);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_EQ(RunValue(Tag()), "\"" + folder + "\\" + names[0] + "\"");
    bool listed = false;
    for (int i = 0; i < startup->Count(); ++i)
        listed = listed || startup->Name(i).find(names[0]) != std::string::npos;
    EXPECT_TRUE(listed) << "the panel beside lists the new entry";
    EXPECT_EQ(fs::current_path(), fs::path(before));

    // A move would have the host delete the user's program once the plug-in reported it done.
    GoTo(names[1]);
    Press(ulvar::standin::MoveKey);
    EXPECT_EQ(ui.Dialogs().size(), 1u);
    EXPECT_FALSE(RunValue(Tag() + "-moved"));
    EXPECT_TRUE(fs::exists(folder + "\\" + names[1]));
}

} // namespace
} // namespace launchet::test
