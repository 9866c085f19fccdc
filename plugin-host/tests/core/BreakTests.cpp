// Ctrl+Break arrives on the console handler's thread while the host's own thread goes on: a
// panel closed or a library unloaded meanwhile must wait until the break has left the plug-in.

#include "plugin-host/standin/core/ScriptedUi.h"
#include "plugin-host/standin/core/StandInHost.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

using namespace ulvar;
using namespace ulvar::standin;

namespace {

PanelHandle const Panel = reinterpret_cast<PanelHandle>(0x4321);

std::atomic<bool> inBreak{false};
std::atomic<int> callsDuringBreak{0};
std::promise<void>* breakEntered = nullptr;
std::shared_future<void> releaseBreak;

PanelHandle OpenPlugin(int, std::intptr_t) {
    return Panel;
}

int ProcessEvent(PanelHandle, int event, void*) {
    if (event == EventBreak) {
        inBreak = true;
        breakEntered->set_value();
        releaseBreak.wait();
        inBreak = false;
    }
    return 0;
}

void ClosePlugin(PanelHandle) {
    if (inBreak)
        ++callsDuringBreak;
}

void ExitUlvar() {
    if (inBreak)
        ++callsDuringBreak;
}

PluginEntryPoints EntryPoints() {
    PluginEntryPoints e;
    e.OpenPlugin = OpenPlugin;
    e.ProcessEvent = ProcessEvent;
    e.ClosePlugin = ClosePlugin;
    e.ExitUlvar = ExitUlvar;
    return e;
}

// What the host's thread does while the break is inside the plug-in.
enum class Step { ClosePanel, Exit };

class BreakHandOverTest : public testing::TestWithParam<Step> {};

TEST_P(BreakHandOverTest, ClosingWaitsUntilTheBreakHasLeftThePlugin) {
    callsDuringBreak = 0;
    std::promise<void> entered;
    std::promise<void> release;
    breakEntered = &entered;
    releaseBreak = release.get_future().share();

    ScriptedUi ui;
    StandInHost host(HostOptions{}, ui);
    ASSERT_TRUE(host.Load(EntryPoints(), "break.dll"));
    ASSERT_EQ(host.Open(OpenFromPluginsMenu), Panel);

    std::thread breaker([&host] { host.SendBreak(); });
    entered.get_future().wait();
    auto closing = std::async(std::launch::async, [&host] {
        if (GetParam() == Step::ClosePanel)
            host.ClosePanel(true);
        else
            host.Exit();
    });
    // Give the host's thread the time to run into the plug-in if nothing holds it back.
    bool const finishedEarly =
        closing.wait_for(std::chrono::milliseconds(300)) == std::future_status::ready;
    release.set_value();
    breaker.join();
    closing.get();
    EXPECT_FALSE(finishedEarly);
    EXPECT_EQ(callsDuringBreak, 0);
    EXPECT_EQ(host.Panel(), nullptr);

    // With the panel gone a break reaches nobody.
    host.SendBreak();
}

INSTANTIATE_TEST_SUITE_P(Steps, BreakHandOverTest, testing::Values(Step::ClosePanel, Step::Exit));

} // namespace
