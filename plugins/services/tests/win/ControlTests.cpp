// Starting, stopping, pausing, continuing and restarting services of the test's own through the
// panel's keys, against the real service control manager of the Wine prefix.

#include "plugins/services/core/ControlOperations.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ErrorText.h"
#include "tools/testsupport/win/TestRegistryKey.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

namespace sentrel::test {

namespace {

constexpr int F1 = 0x70, F5 = 0x74, F7 = 0x76, F8 = 0x77;

// A box as shown: its title, its text lines joined with blanks (the host breaks long lines) and
// its buttons.
struct MessageCallView {
    std::string title, text;
    std::vector<std::string> buttons;
    std::vector<std::string> lines; // as the host got them
};

std::string Joined(const std::vector<std::string>& lines, std::size_t from) {
    std::string text;
    for (std::size_t i = from; i < lines.size(); ++i)
        text += (i > from ? " " : "") + lines[i];
    return text;
}

class ControlTest : public SentrelTest {
protected:
    // The plug-in with these confirmations, in the services folder, the cursor on service.
    void OpenOn(const TestService& service, std::uint32_t cfmFlags) {
        ASSERT_TRUE(service.Created());
        ASSERT_TRUE(TestService::WaitForManagerStartup());
        ASSERT_TRUE(testsupport::SetDword(SettingsKey(), "CfmFlags", cfmFlags));
        ui.LetNoticesPass();
        LoadLinked();
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
        Cursor(service);
    }
    void Cursor(const TestService& service) {
        const int index = Find(service.Name());
        ASSERT_GE(index, 0);
        Panel().SetCursor(index);
    }
    const ServiceNode* Record(const TestService& service) {
        const int index = Find(service.Name());
        return index < 0 ? nullptr : RecordOf(Panel().Item(index));
    }
    // The boxes with buttons shown since the start of the test.
    std::vector<MessageCallView> Boxes() {
        std::vector<MessageCallView> boxes;
        for (const auto& call : ui.Messages())
            if (!call.shown.buttons.empty())
                boxes.push_back({call.shown.lines.empty() ? "" : call.shown.lines[0],
                                 Joined(call.shown.lines, 1), call.shown.buttons,
                                 call.shown.lines});
        return boxes;
    }
    // The progress boxes shown since the start of the test.
    std::vector<MessageCallView> Progress() {
        std::vector<MessageCallView> boxes;
        for (const auto& call : ui.Messages())
            if (call.shown.buttons.empty())
                boxes.push_back({call.shown.lines.empty() ? "" : call.shown.lines[0],
                                 Joined(call.shown.lines, 1),
                                 {},
                                 call.shown.lines});
        return boxes;
    }
};

} // namespace

TEST_F(ControlTest, StartPauseContinueStopAndRestartOurService) {
    const std::string name = UniqueName("SentrelCtlOps");
    TestService service(name, "Sentrel control " + name, "");
    OpenOn(service, 0);

    struct Step {
        int key;
        unsigned state;
        std::uint32_t expected;
    };
    const Step steps[] = {
        {F5, 0, StateRunning},
        {F7, 0, StatePaused},
        {F5, 0, StateRunning}, // a paused service started is continued
        {F7, 0, StatePaused},
        {F8, 0, StateStopped},
        {F5, ulvar::KeyAlt, StateRunning}, // restart of a stopped service
        {F5, ulvar::KeyAlt, StateRunning}, // restart of a running one
        {F8, 0, StateStopped},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.key << " state " << step.state);
        Cursor(service);
        EXPECT_EQ(Host().PressKey(step.key, step.state), 1);
        EXPECT_EQ(service.State(), step.expected);
        ASSERT_NE(Record(service), nullptr);
        EXPECT_EQ(Record(service)->state, step.expected);
    }
    EXPECT_EQ(ui.UnscriptedCount(), 0);
    EXPECT_TRUE(Boxes().empty());
    // every request showed its progress box over a saved screen, put back afterwards
    const std::string display = "Sentrel control " + name;
    const auto progress = Progress();
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress[0].title, Msg(msg::ServicesFolder));
    EXPECT_EQ(progress[0].text, With(73, display, Computer()) + " ");
    bool continued = false, paused = false, stopped = false;
    for (const auto& box : progress) {
        continued = continued || box.text.rfind(With(78, display, Computer()), 0) == 0;
        paused = paused || box.text.rfind(With(77, display, Computer()), 0) == 0;
        stopped = stopped || box.text.rfind(With(75, display, Computer()), 0) == 0;
    }
    EXPECT_TRUE(continued && paused && stopped);
    EXPECT_GE(ui.RestoreCount(), 9);
}

TEST_F(ControlTest, ConfirmationsFollowCfmFlags) {
    const std::string name = UniqueName("SentrelCtlCfm");
    TestService service(name, "Sentrel confirm " + name, "");
    const std::string display = "Sentrel confirm " + name;
    OpenOn(service, DefaultCfmFlags);

    // the default asks nothing for starting one service
    EXPECT_EQ(Host().PressKey(F5), 1);
    EXPECT_EQ(service.State(), StateRunning);
    EXPECT_TRUE(Boxes().empty());

    // ... but for stopping it: declined, nothing happens
    ui.QueueMessage(1);
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F8), 1);
    EXPECT_EQ(service.State(), StateRunning);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, Msg(msg::Warning));
    EXPECT_EQ(Boxes()[0].text, With(82, display));
    EXPECT_EQ(Boxes()[0].buttons, (std::vector<std::string>{Msg(69), Msg(msg::Cancel)}));
    EXPECT_TRUE(ui.Messages().back().shown.flags & ulvar::MessageWarning);

    ui.QueueMessage(0);
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F8), 1);
    EXPECT_EQ(service.State(), StateStopped);

    // restarting one item asks the restart question only
    ui.QueueMessage(0);
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F5, ulvar::KeyAlt), 1);
    EXPECT_EQ(service.State(), StateRunning);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[2].text, With(85, display));
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

TEST_F(ControlTest, EveryBitOnAsksForStartingToo) {
    const std::string name = UniqueName("SentrelCtlAll");
    TestService service(name, "Sentrel all " + name, "");
    OpenOn(service, 0x1FF);
    ui.QueueMessage(-1);
    EXPECT_EQ(Host().PressKey(F5), 1);
    EXPECT_EQ(service.State(), StateStopped);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, With(79, "Sentrel all " + name));
}

TEST_F(ControlTest, SeveralSelectedAreConfirmedOnceAndDoneInTurn) {
    const std::string first = UniqueName("SentrelCtlSelA"), second = UniqueName("SentrelCtlSelB");
    TestService a(first, "Sentrel selected " + first, "");
    TestService b(second, "Sentrel selected " + second, "");
    OpenOn(a, DefaultCfmFlags);
    Panel().Select(Find(a.Name()), true);
    Panel().Select(Find(b.Name()), true);
    ui.QueueMessage(0);
    EXPECT_EQ(Host().PressKey(F5), 1);
    EXPECT_EQ(a.State(), StateRunning);
    EXPECT_EQ(b.State(), StateRunning);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, With(87, "2"));
    // processed items are no longer selected
    EXPECT_FALSE(Panel().IsSelected(Find(a.Name())));
    EXPECT_FALSE(Panel().IsSelected(Find(b.Name())));

    Panel().Select(Find(a.Name()), true);
    Panel().Select(Find(b.Name()), true);
    ui.QueueMessage(0);
    EXPECT_EQ(Host().PressKey(F8), 1);
    EXPECT_EQ(a.State(), StateStopped);
    EXPECT_EQ(b.State(), StateStopped);
    EXPECT_EQ(Boxes().back().text, With(89, "2"));
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

TEST_F(ControlTest, NothingToDoIsReportedAsDone) {
    const std::string name = UniqueName("SentrelCtlIdle");
    TestService service(name, "Sentrel idle " + name, "", "--no-pause");
    const std::string display = "Sentrel idle " + name;
    OpenOn(service, 0);
    Panel().Select(Find(service.Name()), true);

    // stopping a stopped service: "not active", and the item counts as done
    ui.QueueMessage(0);
    EXPECT_EQ(Host().PressKey(F8), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, Msg(msg::Error));
    EXPECT_EQ(Boxes()[0].text, With(107, display, Computer()) + " " + With(120, Msg(69)));
    EXPECT_EQ(Boxes()[0].buttons, std::vector<std::string>{Msg(msg::Ok)});
    EXPECT_FALSE(Panel().IsSelected(Find(service.Name())));

    // starting a running one: "running already"
    ASSERT_TRUE(service.Start());
    ui.QueueMessage(0);
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F5), 1);
    ASSERT_EQ(Boxes().size(), 2u);
    EXPECT_EQ(Boxes()[1].text, With(105, display, Computer()) + " " + With(124, Msg(68)));

    // pausing a service that does not accept it
    ui.QueueMessage(0);
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F7), 1);
    ASSERT_EQ(Boxes().size(), 3u);
    EXPECT_EQ(Boxes()[2].text, With(109, display, Computer()) + " " + With(116, Msg(70)));
    EXPECT_EQ(service.State(), StateRunning);
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

TEST_F(ControlTest, AServiceThatStopsAtOnceShowsItsExitCode) {
    const std::string name = UniqueName("SentrelCtlExit");
    TestService service(name, "Sentrel exit " + name, "", "--exit-code=42");
    OpenOn(service, 0);
    ui.QueueMessage(0);
    EXPECT_EQ(Host().PressKey(F5), 1);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].title, Msg(msg::Error));
    EXPECT_EQ(Boxes()[0].text, With(105, "Sentrel exit " + name, Computer()) + " " + Msg(128) +
                                   " " + With(328, "42"));
    EXPECT_EQ(Record(service)->state, StateStopped);
}

TEST_F(ControlTest, ASlowStartShowsTheElapsedSeconds) {
    const std::string name = UniqueName("SentrelCtlSlow");
    TestService service(name, "Sentrel slow " + name, "", "--start-delay=3");
    OpenOn(service, 0);
    EXPECT_EQ(Host().PressKey(F5), 1);
    EXPECT_EQ(service.State(), StateRunning);
    std::vector<std::string> elapsed;
    for (const auto& box : Progress())
        if (!box.lines.empty())
            elapsed.push_back(box.lines.back());
    EXPECT_TRUE(std::find(elapsed.begin(), elapsed.end(), "1") != elapsed.end())
        << testing::PrintToString(elapsed);
    EXPECT_TRUE(std::find(elapsed.begin(), elapsed.end(), "2") != elapsed.end())
        << testing::PrintToString(elapsed);
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(ControlTest, CtrlBreakWhileWaitingCancelsTheStart) {
    const std::string name = UniqueName("SentrelCtlPend");
    TestService service(name, "Sentrel pending " + name, "", "--stay-pending");
    OpenOn(service, 0);
    ui.QueueMessage(1); // the cancelled error: give up
    std::atomic<bool> started{false};
    std::thread breaker([this, &service, &started] {
        for (int i = 0; i < 100 && service.State() != StateStartPending; ++i)
            Sleep(50);
        Sleep(1500);
        started = true;
        Host().SendBreak();
    });
    EXPECT_EQ(Host().PressKey(F5), 1);
    breaker.join();
    EXPECT_TRUE(started);
    ASSERT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(Boxes()[0].text, With(105, "Sentrel pending " + name, Computer()) + " " +
                                   win::ErrorText(ERROR_CANCELLED));
    EXPECT_EQ(Boxes()[0].buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
    EXPECT_EQ(Record(service)->state, StateStartPending);
}

TEST_F(ControlTest, StartWithParametersPassesQuotedParts) {
    const std::string name = UniqueName("SentrelCtlArgs");
    testsupport::ScratchFolder folder("sentrel-args-");
    const std::string argsFile = folder.File("args.txt");
    TestService service(name, "Sentrel args " + name, "", "--args-file=" + argsFile);
    OpenOn(service, 0x1FF);
    ui.QueueDialog(ulvar::standin::DialogAnswer{6, {{4, "one \"two three\""}}, {}});
    EXPECT_EQ(Host().PressKey(F5, ulvar::KeyShift), 1);
    ASSERT_EQ(ui.Dialogs().size(), 1u);
    const auto& shown = ui.Dialogs()[0].shown;
    EXPECT_EQ(shown.helpTopic, "StartDlg");
    EXPECT_EQ(shown.x2, 64);
    EXPECT_EQ(shown.y2, 12);
    ASSERT_EQ(shown.items.size(), 8u);
    EXPECT_STREQ(shown.items[2].Data, ("Sentrel args " + name).c_str());
    EXPECT_STREQ(shown.items[4].History, "SentrelParamHist");
    // started without a question even with every confirmation on
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(service.State(), StateRunning);
    std::string written;
    for (int i = 0; i < 100 && written.empty(); ++i) {
        written = testsupport::ReadBytes(argsFile);
        Sleep(20);
    }
    std::vector<std::string> arguments;
    std::size_t start = 0;
    for (std::size_t end; (end = written.find('\n', start)) != std::string::npos; start = end + 1)
        arguments.push_back(
            written.substr(start, end - start - (end > start && written[end - 1] == '\r')));
    // Wine's manager puts the service's name in front of what StartService passes, which begins
    // with the name itself (as the system expects)
    ASSERT_GE(arguments.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(arguments.end() - 3, arguments.end()),
              (std::vector<std::string>{service.Name(), "one", "\"two three\""}));

    // cancelled: nothing is started
    ui.QueueDialog(ulvar::standin::DialogAnswer{7, {{4, "x"}}, {}});
    Cursor(service);
    EXPECT_EQ(Host().PressKey(F5, ulvar::KeyShift), 1);
    EXPECT_EQ(Boxes().size(), 0u);
}

TEST_F(ControlTest, ShiftF1ReadsTheStatesAgain) {
    const std::string name = UniqueName("SentrelCtlFresh");
    TestService service(name, "Sentrel fresh " + name, "");
    OpenOn(service, 0);
    ASSERT_TRUE(service.Start());
    EXPECT_EQ(Record(service)->state, StateStopped);
    Panel().Select(Find(service.Name()), true);
    EXPECT_EQ(Host().PressKey(F1, ulvar::KeyShift), 1);
    EXPECT_EQ(Record(service)->state, StateRunning);
    EXPECT_FALSE(Panel().IsSelected(Find(service.Name())));
    EXPECT_EQ(ui.UnscriptedCount(), 0);
}

TEST_F(ControlTest, AnErrorShowsTheCodeOfTheFailingCall) {
    const std::string name = UniqueName("SentrelCtlGone");
    auto service = std::make_unique<TestService>(name, "Sentrel gone " + name, "");
    OpenOn(*service, 0);
    service.reset(); // deleted behind the panel's back
    Panel().SetCursor(Find(name));
    ui.QueueMessage(0); // retry once
    ui.QueueMessage(1);
    EXPECT_EQ(Host().PressKey(F5), 1);
    ASSERT_EQ(Boxes().size(), 2u);
    const std::string heading = With(105, "Sentrel gone " + name, Computer()) + " ";
    // the error line is that of the failed open, not of a redraw after it
    EXPECT_TRUE(Boxes()[0].text == heading + win::ErrorText(ERROR_SERVICE_DOES_NOT_EXIST) ||
                Boxes()[0].text == heading + win::ErrorText(ERROR_SERVICE_MARKED_FOR_DELETE))
        << Boxes()[0].text;
    EXPECT_EQ(Boxes()[0].buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
}

} // namespace sentrel::test
