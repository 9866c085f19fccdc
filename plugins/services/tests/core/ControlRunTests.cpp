#include "plugins/services/core/ControlRun.h"
#include "plugins/services/tests/core/ServiceFixtures.h"
#include "ulvar/Plugin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <map>

namespace sentrel::test {

namespace {

// One service of the fake system: its status, the statuses its polls report after a request
// (the last one stays), and the errors its calls fail with.
struct FakeService {
    ServiceStatusInfo status{StateStopped, 0, 0, 0};
    std::deque<ServiceStatusInfo> afterRequest;
    std::uint32_t openError = 0, queryError = 0, requestError = 0;
    std::deque<std::uint32_t> pollErrors; // for the polls after a request, 0 = answers
    std::vector<DependentService> dependents;
    std::uint32_t dependentsError = 0;
};

inline ServiceStatusInfo Status(std::uint32_t state, std::uint32_t accepted = 0x3,
                                std::uint32_t exitCode = 0, std::uint32_t specific = 0) {
    return {state, accepted, exitCode, specific};
}

struct FakeSystem {
    std::map<std::string, FakeService> services;
    std::vector<std::string> log; // "open X", "start X p1 p2", "control X 1", "close X"
    int openHandles = 0;
};

class FakePort : public ServicePort {
public:
    explicit FakePort(FakeSystem& system) : system_(system) {}
    bool Open(const std::string& name, std::uint32_t access, std::uint32_t& error) override {
        system_.log.push_back("open " + name + " " + std::to_string(access));
        const auto found = system_.services.find(name);
        error = found == system_.services.end() ? 1060 : found->second.openError;
        if (error)
            return false;
        name_ = name;
        ++system_.openHandles;
        return true;
    }
    bool Query(ServiceStatusInfo& status, std::uint32_t& error) override {
        FakeService& s = Service();
        if (requested_) {
            if (!s.pollErrors.empty()) {
                error = s.pollErrors.front();
                s.pollErrors.pop_front();
                if (error)
                    return false;
            }
            if (!s.afterRequest.empty()) {
                s.status = s.afterRequest.front();
                if (s.afterRequest.size() > 1)
                    s.afterRequest.pop_front();
            }
        } else if (s.queryError) {
            error = s.queryError;
            return false;
        }
        status = s.status;
        return true;
    }
    bool Start(const std::vector<std::string>& parameters, std::uint32_t& error) override {
        std::string line = "start " + name_;
        for (const std::string& p : parameters)
            line += " " + p;
        system_.log.push_back(line);
        return Request(error);
    }
    bool Control(std::uint32_t code, ServiceStatusInfo& status, std::uint32_t& error) override {
        system_.log.push_back("control " + name_ + " " + std::to_string(code));
        status = Service().status;
        return Request(error);
    }
    std::optional<std::vector<DependentService>> ActiveDependents(std::uint32_t& error) override {
        error = Service().dependentsError;
        if (error)
            return std::nullopt;
        return Service().dependents;
    }
    void Close() override {
        if (!name_.empty()) {
            system_.log.push_back("close " + name_);
            --system_.openHandles;
        }
        name_.clear();
    }

private:
    FakeService& Service() { return system_.services.at(name_); }
    bool Request(std::uint32_t& error) {
        error = Service().requestError;
        requested_ = error == 0;
        return requested_;
    }
    FakeSystem& system_;
    std::string name_;
    bool requested_ = false;
};

struct Shown {
    std::vector<std::string> texts; // a missing text as "<error>"
    std::uint32_t flags;
    int buttons;
    std::uint32_t error;
};

class FakeHost : public ControlHost {
public:
    FakeSystem system;
    std::uint32_t cfmFlags = 0x1FF;
    bool drivers = false;
    std::deque<int> answers; // the buttons chosen in message boxes, in order; empty: -1
    std::vector<Shown> messages;
    std::vector<std::vector<std::string>> progress;
    std::vector<std::string> events; // "title on", "title off", "save", "restore", "box", "sleep"
    std::uint32_t ticks = 5000;
    int sleeps = 0;
    int abortAfterSleeps = -1;
    bool abort = false;
    int saved = 0;
    ServiceList services, driverList;
    std::function<void()> onBox;

    std::unique_ptr<ServicePort> NewPort() override { return std::make_unique<FakePort>(system); }
    bool Drivers() const override { return drivers; }
    std::string Msg(int number) const override { return "m" + std::to_string(number) + ":%1"; }
    std::string OemFromAnsi(const std::string& ansi) const override { return "<" + ansi + ">"; }
    std::string ComputerText() const override { return "PC"; }
    std::uint32_t CfmFlags() const override { return cfmFlags; }
    void BusyTitle(bool on) override { events.push_back(on ? "title on" : "title off"); }
    int Message(const std::vector<std::optional<std::string>>& texts, std::uint32_t flags,
                int buttons, std::uint32_t error) override {
        EXPECT_EQ(saved, 0) << "a box over the saved screen";
        events.push_back("box");
        if (onBox)
            onBox();
        Shown shown{{}, flags, buttons, error};
        for (const auto& text : texts)
            shown.texts.push_back(text ? *text : "<error>");
        messages.push_back(shown);
        if (answers.empty())
            return -1;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int ErrorPrompt(std::uint32_t error, int number, const std::string& insert) override {
        return Message({"prompt " + std::to_string(number), insert}, 0, 2, error) == 0 ? 0 : 1;
    }
    void ShowProgress(const std::vector<std::string>& lines) override {
        EXPECT_EQ(saved, 1) << "the progress box without a saved screen";
        progress.push_back(lines);
    }
    void SaveScreen() override {
        events.push_back("save");
        ++saved;
    }
    void RestoreScreen() override {
        events.push_back("restore");
        --saved;
    }
    std::uint32_t Ticks() override { return ticks; }
    void Sleep(std::uint32_t milliseconds) override {
        ticks += milliseconds;
        ++sleeps;
        if (sleeps == abortAfterSleeps)
            abort = true;
    }
    void ClearAbort() override { abort = false; }
    bool Aborted() override { return abort; }
    std::uint64_t Now() override { return 777; }
    ServiceList* CachedList(bool forDrivers) override {
        return forDrivers ? &driverList : &services;
    }

    int Run(ServiceNode& record, int operation, unsigned flags,
            const std::vector<std::string>& parameters = {}) {
        const int result = RunControl(*this, record, operation, flags, parameters);
        EXPECT_EQ(saved, 0) << "the saved screen was not put back";
        EXPECT_EQ(system.openHandles, 0) << "a service handle left open";
        return result;
    }
    std::vector<std::string> Requests() const {
        std::vector<std::string> requests;
        for (const std::string& line : system.log)
            if (line.rfind("start", 0) == 0 || line.rfind("control", 0) == 0)
                requests.push_back(line);
        return requests;
    }
};

ServiceNode Record(const std::string& name, std::uint32_t state = StateStopped) {
    ServiceNode record = *MakeService(name, state, 3, name + " Display");
    return record;
}

} // namespace

TEST(RunControl, OperationsReachTheirTargetState) {
    struct Case {
        int op;
        std::uint32_t from, pending, to;
        std::string request;
        int question; // with every confirmation on
    };
    const Case cases[] = {
        {OpStart, StateStopped, StateStartPending, StateRunning, "start S", 79},
        {OpStop, StateRunning, StateStopPending, StateStopped, "control S 1", 82},
        {OpPause, StateRunning, StatePausePending, StatePaused, "control S 2", 84},
        {OpContinue, StatePaused, StateContinuePending, StateRunning, "control S 3", 81},
        // a paused service started is continued, with the question and texts of continue
        {OpStart, StatePaused, StateContinuePending, StateRunning, "control S 3", 81},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.op << " from " << c.from);
        FakeHost host;
        FakeService& s = host.system.services["S"];
        s.status = Status(c.from);
        s.afterRequest = {Status(c.pending), Status(c.pending), Status(c.to)};
        host.answers = {0};
        ServiceNode record = Record("S", StateStopped);
        EXPECT_EQ(host.Run(record, c.op, 0), 1);
        EXPECT_EQ(host.Requests(), std::vector<std::string>{c.request});
        EXPECT_EQ(record.state, c.to);
        EXPECT_EQ(record.readTime, 777u);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].texts[1], "m" + std::to_string(c.question) + ":<S Display>");
        ASSERT_GE(host.progress.size(), 2u);
        const int progress = ProgressMessage(c.from == StatePaused ? OpContinue : c.op, false);
        EXPECT_EQ(host.progress[0],
                  (std::vector<std::string>{"m5:%1",
                                            "m" + std::to_string(progress) + ":<S Display>", ""}));
        // from the second poll on, the elapsed seconds
        EXPECT_EQ(host.progress.back()[2], "1");
        EXPECT_EQ(host.sleeps, 2);
    }
}

TEST(RunControl, NothingToDoIsReportedAndCountsAsDone) {
    struct Case {
        int op;
        ServiceStatusInfo status;
        unsigned flags;
        int message; // -1: no box at all
    };
    const Case cases[] = {
        {OpStop, Status(StateStopped, 0), 0, 120},
        {OpStart, Status(StateRunning), 0, 124},
        {OpContinue, Status(StateRunning), 0, 124},
        {OpPause, Status(StateRunning, 0x1), 0, 116}, // does not accept pause
        {OpPause, Status(StatePaused, 0x3), ControlTargetIsDone, -1},
        {OpStop, Status(StateStopped, 0), ControlTargetIsDone, -1},
        {OpStop, Status(StateStartPending, 0), 0, 122}, // retry or done
        {OpContinue, Status(StateStopped, 0), 0, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.op << " state " << c.status.state);
        FakeHost host;
        host.system.services["S"].status = c.status;
        ServiceNode record = Record("S");
        EXPECT_EQ(host.Run(record, c.op, c.flags), 1);
        EXPECT_TRUE(host.Requests().empty());
        EXPECT_EQ(record.state, c.status.state);
        if (c.message < 0) {
            EXPECT_TRUE(host.messages.empty());
            continue;
        }
        ASSERT_EQ(host.messages.size(), 1u);
        const Shown& box = host.messages[0];
        EXPECT_EQ(box.texts[0], "m59:%1");
        EXPECT_EQ(box.texts[1], "m" + std::to_string(FailureHeading(c.op, false)) + ":<S Display>");
        EXPECT_EQ(box.texts[2],
                  "m" + std::to_string(c.message) + ":m" + std::to_string(68 + c.op) + ":%1");
        EXPECT_EQ(box.flags & ulvar::MessageErrorLine, 0u);
    }
}

TEST(RunControl, ConfirmationsFollowTheFlags) {
    struct Case {
        std::uint32_t cfmFlags;
        unsigned runFlags;
        int op;
        int answer;
        bool asked;
        int result;
    };
    const Case cases[] = {
        {0x1FE, 0, OpStart, -1, false, 1},
        {0x1FF, 0, OpStart, 0, true, 1},
        {0x1FF, 0, OpStart, 1, true, 0},
        {0x1FF, 0, OpStop, -1, true, 0},
        {0, 0, OpStop, -1, false, 1},
        {0, 0, OpPause, -1, false, 1},
        {0x1FF, ControlNoConfirm, OpStop, -1, false, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cfmFlags << " op " << c.op);
        FakeHost host;
        host.cfmFlags = c.cfmFlags;
        FakeService& s = host.system.services["S"];
        s.status = Status(c.op == OpStart ? StateStopped : StateRunning);
        s.afterRequest = {Status(ControlOpFor(c.op).targetState)};
        host.answers = {c.answer};
        ServiceNode record = Record("S");
        EXPECT_EQ(host.Run(record, c.op, c.runFlags), c.result);
        EXPECT_EQ(host.messages.size(), c.asked ? 1u : 0u);
        EXPECT_EQ(host.Requests().size(), c.result ? 1u : 0u);
    }
}

TEST(RunControl, StoppedInsteadShowsTheServiceSpecificCode) {
    FakeHost host;
    host.cfmFlags = 0;
    FakeService& s = host.system.services["S"];
    s.afterRequest = {Status(StateStartPending), Status(StateStopped, 0, 1066, 42)};
    ServiceNode record = Record("S");
    EXPECT_EQ(host.Run(record, OpStart, 0), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].texts, (std::vector<std::string>{"m59:%1", "m105:<S Display>",
                                                                "m128:%1", "m328:42", "m60:%1"}));
    EXPECT_EQ(record.state, StateStopped);

    FakeHost plain;
    plain.cfmFlags = 0;
    plain.system.services["S"].afterRequest = {Status(StateStopped, 0, 1067, 42)};
    EXPECT_EQ(plain.Run(record, OpStart, 0), 0);
    ASSERT_EQ(plain.messages.size(), 1u);
    EXPECT_EQ(plain.messages[0].texts.size(), 4u);
}

TEST(RunControl, TheWaitPromptComesEveryMinuteWhileTheSecondsCountOn) {
    FakeHost host;
    host.cfmFlags = 0;
    host.system.services["S"].afterRequest = {Status(StateStartPending)};
    host.answers = {0, 1}; // wait once, then give up
    ServiceNode record = Record("S");
    EXPECT_EQ(host.Run(record, OpStart, 0), 0);
    ASSERT_EQ(host.messages.size(), 2u);
    for (const Shown& box : host.messages) {
        EXPECT_EQ(box.texts, (std::vector<std::string>{"m59:%1", "m105:<S Display>", "m118:%1",
                                                       "m67:%1", "m61:%1"}));
        EXPECT_EQ(box.flags, ulvar::MessageWarning);
    }
    // polls at 0, 1, ... 60 s: the first prompt after 60 sleeps, the second 60 s later
    EXPECT_EQ(host.sleeps, 120);
    EXPECT_EQ(host.progress.back()[2], "120");
    // the progress box shown again after "wait" counts from the first request
    bool sixty = false;
    for (const auto& lines : host.progress)
        sixty = sixty || lines[2] == "60";
    EXPECT_TRUE(sixty);
    EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "save"), 2);
}

TEST(RunControl, CtrlBreakEndsTheWaitAsCancelled) {
    FakeHost host;
    host.cfmFlags = 0;
    host.system.services["S"].afterRequest = {Status(StateStopPending)};
    host.system.services["S"].status = Status(StateRunning);
    host.abortAfterSleeps = 3;
    host.answers = {1};
    ServiceNode record = Record("S", StateRunning);
    EXPECT_EQ(host.Run(record, OpStop, 0), 0);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].error, ErrorCancelled);
    EXPECT_EQ(host.messages[0].flags, ulvar::MessageWarning | ulvar::MessageErrorLine);
    EXPECT_EQ(host.messages[0].texts, (std::vector<std::string>{"m59:%1", "m107:<S Display>",
                                                                "<error>", "m64:%1", "m61:%1"}));
}

TEST(RunControl, ErrorsCarryTheCodeOfTheFailingCallAndRetryBeginsAgain) {
    struct Case {
        std::string what;
        std::uint32_t openError, queryError, requestError;
    };
    const Case cases[] = {{"open", 5, 0, 0}, {"query", 0, 6, 0}, {"request", 0, 0, 1053}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeHost host;
        host.cfmFlags = 0;
        FakeService& s = host.system.services["S"];
        s.openError = c.openError;
        s.queryError = c.queryError;
        s.requestError = c.requestError;
        s.afterRequest = {Status(StateRunning)};
        // retry once, then give up
        host.answers = {0, 1};
        ServiceNode record = Record("S");
        EXPECT_EQ(host.Run(record, OpStart, 0), 0);
        ASSERT_EQ(host.messages.size(), 2u);
        EXPECT_EQ(host.messages[0].error, c.openError + c.queryError + c.requestError);
        EXPECT_EQ(host.messages[0].texts[2], "<error>");
        EXPECT_EQ(std::count_if(host.system.log.begin(), host.system.log.end(),
                                [](const std::string& l) { return l.rfind("open", 0) == 0; }),
                  2);

        // retried after the cause went away, the run succeeds
        FakeHost again;
        again.cfmFlags = 0;
        again.system.services["S"] = s;
        again.onBox = [&again] {
            FakeService& t = again.system.services["S"];
            t.openError = t.queryError = t.requestError = 0;
        };
        again.answers = {0};
        ServiceNode second = Record("S");
        EXPECT_EQ(again.Run(second, OpStart, 0), 1);
        EXPECT_EQ(again.messages.size(), 1u);
        EXPECT_EQ(second.state, StateRunning);
    }
}

TEST(RunControl, AFailedPollOffersRetryAndRestartsTheMinute) {
    FakeHost host;
    host.cfmFlags = 0;
    FakeService& s = host.system.services["S"];
    s.afterRequest = {Status(StateStartPending), Status(StateRunning)};
    s.pollErrors = {0, 6};
    host.answers = {0};
    ServiceNode record = Record("S");
    EXPECT_EQ(host.Run(record, OpStart, 0), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].texts, (std::vector<std::string>{"prompt 126", "<S Display>"}));
    EXPECT_EQ(host.messages[0].error, 6u);
    EXPECT_EQ(record.state, StateRunning);

    FakeHost giveUp;
    giveUp.cfmFlags = 0;
    giveUp.system.services["S"].afterRequest = {Status(StateStartPending)};
    giveUp.system.services["S"].pollErrors = {6};
    giveUp.answers = {1};
    EXPECT_EQ(giveUp.Run(record, OpStart, 0), 0);
}

TEST(RunControl, ParametersGoWithTheStartOnlyWhenMoreThanTheName) {
    FakeHost host;
    host.cfmFlags = 0;
    host.system.services["S"].afterRequest = {Status(StateRunning)};
    ServiceNode record = Record("S");
    EXPECT_EQ(host.Run(record, OpStart, 0, {"S"}), 1);
    host.system.services["S"].status = Status(StateStopped);
    EXPECT_EQ(host.Run(record, OpStart, 0, {"S", "a", "\"b c\""}), 1);
    EXPECT_EQ(host.Requests(), (std::vector<std::string>{"start S", "start S S a \"b c\""}));
}

TEST(RunControl, ActiveDependentsAreListedAndAllStoppedFirst) {
    FakeHost host;
    host.cfmFlags = 0;
    FakeService& main = host.system.services["Main"];
    main.status = Status(StateRunning);
    main.afterRequest = {Status(StateStopped)};
    for (int i = 0; i < 20; ++i) {
        const std::string name = "D" + std::to_string(i);
        main.dependents.push_back({name, name + " Display"});
        FakeService& dependent = host.system.services[name];
        dependent.status = Status(StateRunning);
        dependent.afterRequest = {Status(StateStopped)};
        // a dependent's own dependents are not looked for
        dependent.dependentsError = 5;
    }
    auto cached = MakeService("D3", StateRunning, 3, "Cached D3");
    host.driverList.InsertRecord(cached);
    host.answers = {0};
    ServiceNode record = Record("Main", StateRunning);
    EXPECT_EQ(host.Run(record, OpStop, 0), 1);
    ASSERT_EQ(host.messages.size(), 1u);
    const Shown& box = host.messages[0];
    ASSERT_EQ(box.texts.size(), 4u + 15u + 2u + 2u);
    EXPECT_EQ(box.texts[1], "m97:<Main Display>");
    EXPECT_EQ(box.texts[2], "");
    EXPECT_EQ(box.texts[3], "m98:%1");
    EXPECT_EQ(box.texts[4], "<D0 Display>");
    EXPECT_EQ(box.texts[18], "<D14 Display>");
    EXPECT_EQ(box.texts[20], "m99:%1");
    EXPECT_EQ(box.texts[21], "m62:%1");
    EXPECT_EQ(box.buttons, 2);
    const std::vector<std::string> requests = host.Requests();
    ASSERT_EQ(requests.size(), 21u);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(requests[static_cast<std::size_t>(i)], "control D" + std::to_string(i) + " 1");
    EXPECT_EQ(requests.back(), "control Main 1");
    EXPECT_EQ(cached->state, StateStopped);

    // declined: nothing is stopped
    FakeHost declined;
    declined.cfmFlags = 0;
    declined.system = host.system;
    declined.system.log.clear();
    declined.system.services["Main"].status = Status(StateRunning);
    declined.answers = {1};
    EXPECT_EQ(declined.Run(record, OpStop, 0), 0);
    EXPECT_TRUE(declined.Requests().empty());

    // not looked for with ControlNoDependents
    FakeHost without;
    without.cfmFlags = 0;
    without.system.services["Main"] = main;
    without.system.services["Main"].status = Status(StateRunning);
    EXPECT_EQ(without.Run(record, OpStop, ControlNoDependents), 1);
    EXPECT_EQ(without.Requests(), std::vector<std::string>{"control Main 1"});
}

TEST(RunControl, AFailingDependentEndsTheStop) {
    FakeHost host;
    host.cfmFlags = 0;
    FakeService& main = host.system.services["Main"];
    main.status = Status(StateRunning);
    main.dependents = {{"A", "A"}, {"B", "B"}, {"C", "C"}};
    for (const char* name : {"A", "B", "C"}) {
        host.system.services[name].status = Status(StateRunning);
        host.system.services[name].afterRequest = {Status(StateStopped)};
    }
    host.system.services["B"].requestError = 1051;
    host.answers = {0, 1}; // stop them; give up on B's error
    ServiceNode record = Record("Main", StateRunning);
    EXPECT_EQ(host.Run(record, OpStop, 0), 0);
    EXPECT_EQ(host.Requests(), (std::vector<std::string>{"control A 1", "control B 1"}));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].error, 1051u);
    EXPECT_EQ(host.messages[1].texts[1], "m107:<B>");

    FakeHost unreadable;
    unreadable.cfmFlags = 0;
    unreadable.system.services["Main"].status = Status(StateRunning);
    unreadable.system.services["Main"].dependentsError = 5;
    unreadable.answers = {1};
    EXPECT_EQ(unreadable.Run(record, OpStop, 0), 0);
    EXPECT_TRUE(unreadable.Requests().empty());
    ASSERT_EQ(unreadable.messages.size(), 1u);
    EXPECT_EQ(unreadable.messages[0].error, 5u);
}

TEST(RunControl, AStartRefreshesTheStoppedDependencies) {
    FakeHost host;
    host.cfmFlags = 0;
    host.system.services["S"].afterRequest = {Status(StateRunning)};
    for (const char* name : {"Dep", "G1", "Off"})
        host.system.services[name].status = Status(StateRunning);
    auto dep = MakeService("Dep");
    auto g1 = MakeService("G1");
    g1->config.loadOrderGroup = "Grp";
    auto off = MakeService("Off", StateStopped, 4);
    off->config.loadOrderGroup = "Grp";
    auto gone = MakeService("Gone"); // cannot be opened: ignored
    host.services.InsertRecord(dep);
    host.services.InsertRecord(g1);
    host.services.InsertRecord(off);
    host.driverList.InsertRecord(gone);
    ServiceNode record = Record("S");
    record.config.dependencies = {"Dep", "+Grp", "Gone"};
    EXPECT_EQ(host.Run(record, OpStart, 0), 1);
    EXPECT_EQ(dep->state, StateRunning);
    EXPECT_EQ(g1->state, StateRunning);
    EXPECT_EQ(off->state, StateStopped);
    EXPECT_EQ(gone->state, StateStopped);
    EXPECT_TRUE(host.messages.empty());
}

} // namespace sentrel::test
