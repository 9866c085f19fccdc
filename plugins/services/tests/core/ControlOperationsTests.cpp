#include "plugins/services/core/ConfirmFlags.h"
#include "plugins/services/core/ControlOperations.h"
#include "plugins/services/tests/core/ServiceFixtures.h"

#include <gtest/gtest.h>

namespace sentrel::test {

TEST(ControlOperations, TableAndMessagesPerOperation) {
    struct Case {
        int op;
        std::uint32_t code, accept, access, target, pending;
        int progress, progressDrivers, heading, headingDrivers;
    };
    const Case cases[] = {
        {OpStart, 0, 0x0, 0x20014, 4, 2, 73, 74, 105, 106},
        {OpStop, 1, 0x1, 0x2002C, 1, 3, 75, 76, 107, 108},
        {OpPause, 2, 0x2, 0x20044, 7, 6, 77, 77, 109, 109},
        {OpContinue, 3, 0x2, 0x20044, 4, 5, 78, 78, 110, 110},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.op);
        const ControlOp& op = ControlOpFor(c.op);
        EXPECT_EQ(op.controlCode, c.code);
        EXPECT_EQ(op.acceptBits, c.accept);
        EXPECT_EQ(OpenAccessFor(c.op), c.access);
        EXPECT_EQ(op.targetState, c.target);
        EXPECT_EQ(op.pendingState, c.pending);
        EXPECT_EQ(ProgressMessage(c.op, false), c.progress);
        EXPECT_EQ(ProgressMessage(c.op, true), c.progressDrivers);
        EXPECT_EQ(FailureHeading(c.op, false), c.heading);
        EXPECT_EQ(FailureHeading(c.op, true), c.headingDrivers);
        EXPECT_EQ(OperationNameMessage(c.op), 68 + c.op);
    }
}

TEST(ControlOperations, ErrorsAreClassified) {
    struct Case {
        std::uint32_t error;
        int op;
        std::uint32_t state;
        FailureKind kind;
        int message;
    };
    const Case cases[] = {
        {1056, OpStart, StateStopped, FailureKind::Informational, 124},
        {1052, OpStart, StateRunning, FailureKind::Informational, 124},
        {1052, OpContinue, StateRunning, FailureKind::Informational, 124},
        {1052, OpPause, StateRunning, FailureKind::Informational, 116},
        {1052, OpStop, StatePaused, FailureKind::Informational, 116},
        {1052, OpStop, StateStopped, FailureKind::Informational, 116},
        {1052, OpStop, StateStartPending, FailureKind::RetryOrDone, 122},
        {1061, OpStop, StateRunning, FailureKind::RetryOrDone, 122},
        {1062, OpStop, StateStopped, FailureKind::Informational, 120},
        {5, OpStop, StateRunning, FailureKind::RetryOrFail, -1},
        {1223, OpStart, StateStartPending, FailureKind::RetryOrFail, -1},
        {1053, OpStart, StateStopped, FailureKind::RetryOrFail, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.error << " op " << c.op << " state " << c.state);
        const FailureReport services = ClassifyFailure(c.error, c.op, c.state, false);
        EXPECT_EQ(services.kind, c.kind);
        EXPECT_EQ(services.message, c.message);
        const FailureReport drivers = ClassifyFailure(c.error, c.op, c.state, true);
        EXPECT_EQ(drivers.message, c.message < 0 ? -1 : c.message + 1);
    }
}

TEST(ControlOperations, ServiceSpecificExitCodeText) {
    const auto message = [](int n) {
        return "m" + std::to_string(n) + " %1";
    };
    EXPECT_EQ(ServiceSpecificText({StateStopped, 0, 1066, 42}, false, message), "m328 42");
    EXPECT_EQ(ServiceSpecificText({StateStopped, 0, 1066, 4294967295u}, true, message),
              "m329 4294967295");
    EXPECT_EQ(ServiceSpecificText({StateStopped, 0, 1067, 42}, false, message), "");
    EXPECT_EQ(ServiceSpecificText({StateStopped, 0, 0, 42}, false, message), "");
}

TEST(ControlOperations, ElapsedSecondsAndWaitPrompt) {
    struct Case {
        std::uint32_t start, now, seconds;
        bool promptDue;
    };
    const Case cases[] = {
        {1000, 1000, 0, false},         {1000, 1499, 0, false},  {1000, 1500, 1, false},
        {1000, 60999, 60, false},       {1000, 61000, 60, true}, {0xFFFFFC18u, 1000, 2, false},
        {0xFFFFF000u, 55904, 60, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " -> " << c.now);
        EXPECT_EQ(ElapsedSeconds(c.start, c.now), c.seconds);
        EXPECT_EQ(WaitPromptDue(c.start, c.now), c.promptDue);
    }
}

// A system that holds `total` dependents and tells how many bytes they need.
struct DependentsSource {
    std::size_t total = 0;
    std::uint32_t bytesEach = 1000;
    std::uint32_t growBy = 0; // bytes the set grows between two requests
    int requests = 0;
    DependentsReply operator()(std::uint32_t size) {
        ++requests;
        const std::uint32_t needed = static_cast<std::uint32_t>(total) * bytesEach;
        DependentsReply reply;
        if (size < needed) {
            reply.error = ErrorMoreData;
            reply.bytesNeeded = needed;
            total += growBy / bytesEach;
            return reply;
        }
        for (std::size_t i = 0; i < total; ++i)
            reply.entries.push_back({"s" + std::to_string(i), "S" + std::to_string(i)});
        return reply;
    }
};

TEST(ControlOperations, DependentsAreReadCompletely) {
    struct Case {
        std::size_t total;
        std::uint32_t growBy;
        int requests;
    };
    const Case cases[] = {{0, 0, 1},  {20, 0, 1},  {36, 0, 1},
                          {37, 0, 2}, {500, 0, 2}, {50, 1000, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " growing by " << c.growBy);
        DependentsSource source{c.total, 1000, c.growBy};
        std::uint32_t error = 1;
        const auto entries = ReadAllDependents(std::ref(source), error);
        ASSERT_TRUE(entries.has_value());
        EXPECT_EQ(error, 0u);
        EXPECT_EQ(entries->size(), source.total);
        EXPECT_EQ(source.requests, c.requests);
    }
}

TEST(ControlOperations, DependentsReadingEndsOnErrorsAndEndlessGrowth) {
    DependentsSource endless{100, 1000, 100000};
    std::uint32_t error = 0;
    EXPECT_FALSE(ReadAllDependents(std::ref(endless), error).has_value());
    EXPECT_EQ(error, ErrorMoreData);
    EXPECT_LE(endless.requests, 8);

    int requests = 0;
    EXPECT_FALSE(ReadAllDependents(
                     [&requests](std::uint32_t) {
                         ++requests;
                         return DependentsReply{5, 0, {}};
                     },
                     error)
                     .has_value());
    EXPECT_EQ(error, 5u);
    EXPECT_EQ(requests, 1);
}

TEST(ControlOperations, StoppedDependenciesOfAStart) {
    ServiceList services, drivers;
    services.InsertRecord(MakeService("Running", StateRunning));
    services.InsertRecord(MakeService("Plain"));
    services.InsertRecord(MakeService("Disabled", StateStopped, 4));
    auto grouped = MakeService("InGroup");
    grouped->config.loadOrderGroup = "Net";
    services.InsertRecord(grouped);
    auto otherCase = MakeService("OtherCase");
    otherCase->config.loadOrderGroup = "net";
    services.InsertRecord(otherCase);
    auto driver = MakeService("NetDriver");
    driver->config.loadOrderGroup = "Net";
    drivers.InsertRecord(driver);
    drivers.InsertRecord(MakeService("Plain")); // the services list is looked at first
    drivers.InsertRecord(MakeService("OnlyDriver"));

    ServiceNode record = *MakeService("Subject");
    record.config.dependencies = {"Running", "Plain",      "Disabled", "+Net",
                                  "Missing", "OnlyDriver", "+",        "Plain"};
    std::vector<std::string> names;
    for (const ServiceNode* found : StoppedDependencies(record, &services, &drivers))
        names.push_back(found->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Plain", "InGroup", "NetDriver", "OnlyDriver"}));
    EXPECT_EQ(StoppedDependencies(record, &services, &drivers)[0], services.FindRecord("Plain"));
    EXPECT_TRUE(StoppedDependencies(record, nullptr, nullptr).empty());
}

TEST(ControlOperations, StartParametersAreSplit) {
    struct Case {
        std::string text;
        std::vector<std::string> parameters;
    };
    const Case cases[] = {
        {"", {}},
        {" \t ", {}},
        {"one", {"one"}},
        {"one \"two three\"", {"one", "\"two three\""}},
        {"a\tb  c", {"a", "b", "c"}},
        {"x\"y z\"w v", {"x\"y z\"w", "v"}},
        {"\"open ended", {"\"open ended"}},
        {"\"\"", {"\"\""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(SplitStartParameters(c.text), c.parameters);
    }
    std::string many;
    for (int i = 0; i < 150; ++i)
        many += "p" + std::to_string(i) + " ";
    const auto taken = SplitStartParameters(many);
    ASSERT_EQ(taken.size(), MaxStartParameters);
    EXPECT_EQ(taken.back(), "p98");
}

TEST(ConfirmFlags, EachKindAsksOnlyWithItsBit) {
    struct Case {
        ConfirmKind kind;
        std::uint32_t bit;
        int services, drivers, button;
        bool warning;
    };
    const Case cases[] = {
        {ConfirmKind::StartOne, 0x001, 79, 80, 68, false},
        {ConfirmKind::ContinueOne, 0x001, 81, 81, 71, false},
        {ConfirmKind::RestartOne, 0x002, 85, 86, 72, true},
        {ConfirmKind::PauseOne, 0x004, 84, 84, 70, true},
        {ConfirmKind::StopOne, 0x008, 82, 83, 69, true},
        {ConfirmKind::StartMany, 0x020, 87, 88, 68, false},
        {ConfirmKind::RestartMany, 0x040, 92, 93, 72, true},
        {ConfirmKind::PauseMany, 0x080, 91, 91, 70, true},
        {ConfirmKind::StopMany, 0x100, 89, 90, 69, true},
    };
    const auto message = [](int n) {
        return "m" + std::to_string(n) + ":%1";
    };
    for (const Case& c : cases) {
        for (const bool drivers : {false, true}) {
            for (const std::uint32_t flags : {0u, c.bit, 0x1FFu & ~c.bit, 0x1FFu}) {
                SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " drivers "
                                                << drivers << " flags " << flags);
                for (const int answer : {0, 1, -1}) {
                    int shown = 0;
                    ConfirmQuestion asked;
                    const bool proceed = ConfirmOperation(c.kind, drivers, flags, "Name", message,
                                                          [&](const ConfirmQuestion& question) {
                                                              ++shown;
                                                              asked = question;
                                                              return answer;
                                                          });
                    if ((flags & c.bit) == 0) {
                        EXPECT_EQ(shown, 0);
                        EXPECT_TRUE(proceed);
                        continue;
                    }
                    EXPECT_EQ(shown, 1);
                    EXPECT_EQ(proceed, answer == 0);
                    const int question = drivers ? c.drivers : c.services;
                    EXPECT_EQ(asked.texts, (std::vector<std::string>{
                                               "m58:%1", "m" + std::to_string(question) + ":Name",
                                               "m" + std::to_string(c.button) + ":%1", "m61:%1"}));
                    EXPECT_EQ(asked.warning, c.warning);
                }
            }
        }
    }
}

TEST(ConfirmFlags, TheDefaultAsksForAllButStartingOrContinuingOne) {
    const auto message = [](int n) {
        return std::to_string(n);
    };
    std::vector<ConfirmKind> asked;
    for (int kind = 0; kind <= static_cast<int>(ConfirmKind::StopMany); ++kind)
        ConfirmOperation(static_cast<ConfirmKind>(kind), false, 0x1FE, "x", message,
                         [&](const ConfirmQuestion&) {
                             asked.push_back(static_cast<ConfirmKind>(kind));
                             return 0;
                         });
    EXPECT_EQ(asked, (std::vector<ConfirmKind>{ConfirmKind::RestartOne, ConfirmKind::PauseOne,
                                               ConfirmKind::StopOne, ConfirmKind::Delete,
                                               ConfirmKind::StartMany, ConfirmKind::RestartMany,
                                               ConfirmKind::PauseMany, ConfirmKind::StopMany}));
    EXPECT_EQ(OneItemKind(OpContinue), ConfirmKind::ContinueOne);
    EXPECT_EQ(ManyItemsKind(3), ConfirmKind::RestartMany);
}

} // namespace sentrel::test
