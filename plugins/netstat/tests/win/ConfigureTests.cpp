#include "plugins/netstat/core/Messages.h"
#include "plugins/netstat/tests/win/PluginFixture.h"

namespace sockwell::test {
namespace {

using ConfigureTest = SockwellTest;
using ulvar::standin::DialogAnswer;

TEST_F(ConfigureTest, AcceptingWritesTheThreeStatesAndTakesThemAtOnce) {
    settingsKey.Set("Resolve", 2);
    LoadLinked();
    ui.QueueDialog(DialogAnswer{4, {}, {{1, 1}, {2, 3}, {3, 0}}});
    EXPECT_EQ(Host().Configure(0), 1);

    ASSERT_EQ(ui.Dialogs().size(), 1u);
    auto const& shown = ui.Dialogs()[0].shown;
    EXPECT_EQ(shown.x1, -1);
    EXPECT_EQ(shown.y1, -1);
    EXPECT_EQ(shown.x2, 45);
    EXPECT_EQ(shown.y2, 9);
    EXPECT_EQ(shown.helpTopic, Msg(msg::Title));
    ASSERT_EQ(shown.items.size(), 6u);
    EXPECT_EQ(shown.items[1].Selected, 0) << "Resolve at 2 is off";
    EXPECT_EQ(shown.items[2].Selected, 0);
    EXPECT_EQ(shown.items[3].Selected, 1) << "AutoRefresh defaults to 1";

    EXPECT_EQ(SettingsKeyGuard::Get("Resolve"), 1u);
    EXPECT_EQ(SettingsKeyGuard::Get("ResolvePorts"), 1u);
    EXPECT_EQ(SettingsKeyGuard::Get("AutoRefresh"), 0u);
    auto const& now = Plugin()->CurrentSettings();
    EXPECT_EQ(now.resolve, 1u);
    EXPECT_EQ(now.resolvePorts, 1u);
    EXPECT_EQ(now.autoRefresh, 0u);
}

TEST_F(ConfigureTest, AnyOtherAnswerChangesNothing) {
    LoadLinked();
    for (int closing : {5, -1, 0}) {
        ui.QueueDialog(DialogAnswer{closing, {}, {{1, 1}, {2, 1}, {3, 0}}});
        EXPECT_EQ(Host().Configure(0), 0) << closing;
    }
    EXPECT_FALSE(SettingsKeyGuard::KeyExists());
    auto const& now = Plugin()->CurrentSettings();
    EXPECT_EQ(now.resolve, 0u);
    EXPECT_EQ(now.resolvePorts, 0u);
    EXPECT_EQ(now.autoRefresh, 1u);
}

TEST_F(ConfigureTest, TurningPortNamesOnReadsThePortsListOnceAndTheNextListingShowsNames) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    WritePortsList("cfg-test " + std::to_string(listener.Port()) + "/tcp\n");
    LoadDll();
    Open();
    EXPECT_GE(FindRow(Loopback(listener.Port()), "LISTENING"), 1);

    ui.QueueDialog(DialogAnswer{4, {}, {{2, 1}}});
    ASSERT_EQ(Host().Configure(0), 1);
    Panel().Refresh();
    EXPECT_GE(FindRow("127.0.0.1:cfg-test", "LISTENING"), 1);

    // Read since the load: a changed file is not read again until the next load.
    WritePortsList("changed " + std::to_string(listener.Port()) + "/tcp\n");
    ui.QueueDialog(DialogAnswer{4, {}, {{2, 0}}});
    ASSERT_EQ(Host().Configure(0), 1);
    ui.QueueDialog(DialogAnswer{4, {}, {{2, 1}}});
    ASSERT_EQ(Host().Configure(0), 1);
    Panel().Refresh();
    EXPECT_GE(FindRow("127.0.0.1:cfg-test", "LISTENING"), 1);
}

TEST_F(ConfigureTest, SettingsWrittenByTheDialogAreReadAtTheNextLoad) {
    Socket const listener = ListenTcp();
    ASSERT_TRUE(listener.Valid());
    WritePortsList("next-load " + std::to_string(listener.Port()) + "/tcp\n");
    LoadDll();
    ui.QueueDialog(DialogAnswer{4, {}, {{2, 1}, {3, 0}}});
    ASSERT_EQ(Host().Configure(0), 1);
    Unload();

    LoadDll();
    Open();
    EXPECT_GE(FindRow("127.0.0.1:next-load", "LISTENING"), 1);
    auto const calls = Panel().Calls().size();
    Host().Idle();
    EXPECT_EQ(Panel().Calls().size(), calls + 1) << "AutoRefresh was turned off";
}

} // namespace
} // namespace sockwell::test
