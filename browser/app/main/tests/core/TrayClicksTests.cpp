#include "browser/app/main/core/TrayClicks.h"
#include "browser/app/main/core/WindowStart.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using Mouse = TrayClicks::Mouse;
using Reaction = TrayClicks::Reaction;

TEST(TrayClicks, SingleClickOnlyWithoutADoubleClick) {
    TrayClicks clicks;
    EXPECT_EQ(clicks.OnMouse(Mouse::LeftDown, true), Reaction::StartTimer);
    EXPECT_EQ(clicks.OnMouse(Mouse::Other, true), Reaction::None);
    EXPECT_TRUE(clicks.OnTimer());

    // Down, up, double click, up: the double click is raised at once, the single click never.
    EXPECT_EQ(clicks.OnMouse(Mouse::LeftDown, true), Reaction::StartTimer);
    EXPECT_EQ(clicks.OnMouse(Mouse::Other, true), Reaction::None);
    EXPECT_EQ(clicks.OnMouse(Mouse::LeftDoubleClick, true), Reaction::DoubleClick);
    EXPECT_FALSE(clicks.OnTimer());
    // The note does not outlive its timer.
    EXPECT_EQ(clicks.OnMouse(Mouse::LeftDown, true), Reaction::StartTimer);
    EXPECT_TRUE(clicks.OnTimer());
}

TEST(TrayClicks, MenuOnlyWhenSet) {
    TrayClicks clicks;
    EXPECT_EQ(clicks.OnMouse(Mouse::RightUp, true), Reaction::ShowMenu);
    EXPECT_EQ(clicks.OnMouse(Mouse::RightUp, false), Reaction::None);
}

TEST(WindowStart, StoredStates) {
    struct Case {
        MainWindowState state;
        bool tray;
        StartShow show;
    };
    const Case cases[] = {
        {MainWindowState::Normal, true, StartShow::Normal},
        {MainWindowState::Maximized, true, StartShow::Maximized},
        {MainWindowState::Minimized, false, StartShow::Minimized},
        {MainWindowState::Minimized, true, StartShow::InTray},
        {static_cast<MainWindowState>(7), true, StartShow::Normal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.state));
        EXPECT_EQ(StartShowFor(c.state, c.tray), c.show);
    }
}

} // namespace
} // namespace cobwen
