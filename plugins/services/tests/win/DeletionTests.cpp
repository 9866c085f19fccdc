// Deleting services (Shift+F8) through the stand-in host against the real service control
// manager of the Wine prefix.

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/core/Settings.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/ServiceControl.h"

#include <windows.h>

#include <algorithm>

namespace sentrel::test {

namespace {

constexpr int F8 = 0x77;

// Whether the manager has marked the service for deletion (the test service's own handle keeps it
// registered until the guard ends): a change that changes nothing is refused then.
bool MarkedForDeletion(const std::string& name) {
    const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    const win32::ServiceHandle service(
        OpenServiceA(manager.Get(), name.c_str(), SERVICE_CHANGE_CONFIG));
    if (!service.Valid())
        return GetLastError() == ERROR_SERVICE_MARKED_FOR_DELETE ||
               GetLastError() == ERROR_SERVICE_DOES_NOT_EXIST;
    return !ChangeServiceConfigA(service.Get(), SERVICE_NO_CHANGE, SERVICE_NO_CHANGE,
                                 SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr) &&
           GetLastError() == ERROR_SERVICE_MARKED_FOR_DELETE;
}

// The system's port, except that one service reports active dependents of the test's choice: the
// manager of the prefix reports none at all.
class DependentsPort : public ServicePort {
public:
    DependentsPort(SC_HANDLE manager, std::string service, std::vector<DependentService> dependents)
        : system_(manager), service_(std::move(service)), dependents_(std::move(dependents)) {}

    bool Open(const std::string& name, std::uint32_t access, std::uint32_t& error) override {
        opened_ = name;
        return system_.Open(name, access, error);
    }
    bool Query(ServiceStatusInfo& status, std::uint32_t& error) override {
        return system_.Query(status, error);
    }
    bool Start(const std::vector<std::string>& parameters, std::uint32_t& error) override {
        return system_.Start(parameters, error);
    }
    bool Control(std::uint32_t code, ServiceStatusInfo& status, std::uint32_t& error) override {
        return system_.Control(code, status, error);
    }
    std::optional<std::vector<DependentService>> ActiveDependents(std::uint32_t& error) override {
        if (opened_ == service_)
            return dependents_;
        return system_.ActiveDependents(error);
    }
    void Close() override { system_.Close(); }

private:
    win::SystemServicePort system_;
    std::string service_, opened_;
    std::vector<DependentService> dependents_;
};

// Boxes that wait for an answer (the progress boxes have no buttons).
std::vector<ulvar::standin::MessageShown> Questions(const ulvar::standin::ScriptedUi& ui) {
    std::vector<ulvar::standin::MessageShown> boxes;
    for (const auto& call : ui.Messages())
        if (!call.shown.buttons.empty())
            boxes.push_back(call.shown);
    return boxes;
}

// A box's text lines joined with blanks (the host breaks long lines), its title left out.
std::string Text(const ulvar::standin::MessageShown& box) {
    std::string text;
    for (std::size_t i = 1; i < box.lines.size(); ++i)
        text += (i > 1 ? " " : "") + box.lines[i];
    return text;
}

class DeletionTest : public SentrelTest {
protected:
    void OpenServices(std::optional<std::uint32_t> cfmFlags, const PluginOptions& options = {}) {
        if (cfmFlags) {
            ASSERT_TRUE(testsupport::CreateKey(SettingsKey()));
            ASSERT_TRUE(testsupport::SetDword(SettingsKey(), value::CfmFlags, *cfmFlags));
        }
        ui.LetNoticesPass();
        LoadLinked(options);
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
    }
    void CursorOn(const std::string& name) {
        const int index = Find(name);
        ASSERT_GT(index, 0) << name;
        Panel().SetCursor(index);
    }
    int ShiftF8() { return Host().PressKey(F8, ulvar::KeyShift); }
    // The panel's listings since the last call.
    int Listings() {
        const auto& calls = Panel().Calls();
        const int count = static_cast<int>(
            std::count(calls.begin() + seenCalls_, calls.end(), std::string("GetFindData")));
        seenCalls_ = calls.size();
        return count;
    }
    void DeleteRefusingService(int answer);
    void DeleteWithDependents(bool agree);

private:
    std::size_t seenCalls_ = 0;
};

} // namespace

TEST_F(DeletionTest, WithoutTheConfirmationBitAStoppedServiceIsDeletedAtOnce) {
    TestService service(UniqueName("SentrelTestDel"), "Deleted " + UniqueName("SentrelTestDel"),
                        "");
    ASSERT_TRUE(service.Created());
    OpenServices(DefaultCfmFlags & ~0x10u);
    CursorOn(service.Name());
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(MarkedForDeletion(service.Name()));
    EXPECT_LT(Find(service.Name()), 0);
}

TEST_F(DeletionTest, TheConfirmationBitAsksFirst) {
    TestService service(UniqueName("SentrelTestAsk"), "Asked " + UniqueName("SentrelTestAsk"), "");
    ASSERT_TRUE(service.Created());
    OpenServices(std::nullopt); // the default bits ask
    CursorOn(service.Name());
    ui.QueueMessage(0); // cancel
    EXPECT_EQ(ShiftF8(), 1);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    EXPECT_EQ(box.lines[0], Msg(58));
    EXPECT_NE(box.lines[1].find(service.DisplayName()), std::string::npos) << box.lines[1];
    EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(61), Msg(66)}));
    EXPECT_NE(box.flags & ulvar::MessageWarning, 0u);
    EXPECT_FALSE(MarkedForDeletion(service.Name()));
    EXPECT_GT(Find(service.Name()), 0);

    ui.QueueMessage(1); // delete
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_TRUE(MarkedForDeletion(service.Name()));
    EXPECT_LT(Find(service.Name()), 0);
}

TEST_F(DeletionTest, ARunningServiceIsStoppedAndDeletedWithoutAQuestion) {
    ASSERT_TRUE(TestService::WaitForManagerStartup());
    TestService service(UniqueName("SentrelTestRun"), "Running " + UniqueName("SentrelTestRun"),
                        "");
    ASSERT_TRUE(service.Created());
    ASSERT_TRUE(service.Start());
    OpenServices(DefaultCfmFlags & ~0x10u);
    CursorOn(service.Name());
    EXPECT_EQ(ShiftF8(), 1);
    // Only the stop's progress box, no question.
    ASSERT_FALSE(ui.Messages().empty());
    for (const auto& message : ui.Messages())
        EXPECT_TRUE(message.shown.buttons.empty()) << message.shown.lines.at(1);
    EXPECT_EQ(service.State(), static_cast<unsigned long>(SERVICE_STOPPED));
    EXPECT_TRUE(MarkedForDeletion(service.Name()));
    EXPECT_LT(Find(service.Name()), 0);
}

TEST_F(DeletionTest, AServiceMarkedForDeletionShowsTheErrorWithRetry) {
    TestService service(UniqueName("SentrelTestMark"), "Marked " + UniqueName("SentrelTestMark"),
                        "");
    ASSERT_TRUE(service.Created());
    OpenServices(DefaultCfmFlags & ~0x10u);
    CursorOn(service.Name());
    {
        const win32::ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
        const win32::ServiceHandle handle(
            OpenServiceA(manager.Get(), service.Name().c_str(), DELETE));
        ASSERT_TRUE(handle.Valid());
        ASSERT_TRUE(DeleteService(handle.Get()));
    }
    ui.QueueMessage(0); // retry
    ui.QueueMessage(1); // give up
    EXPECT_EQ(ShiftF8(), 1);
    ASSERT_EQ(ui.Messages().size(), 2u);
    for (const auto& message : ui.Messages()) {
        const auto& box = message.shown;
        EXPECT_EQ(box.lines[0], Msg(msg::Error));
        EXPECT_EQ(Text(box).rfind(With(112, service.DisplayName(), Computer()), 0), 0u)
            << Text(box);
        EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
        EXPECT_EQ(box.lines.back(), win::ErrorText(ERROR_SERVICE_MARKED_FOR_DELETE));
    }
}

// A service whose stop fails (its program answers the stop with "dependent services are
// running"): after the stop's own error, the question whether to delete it anyway. answer: 0
// delete anyway, 1 do not.
void DeletionTest::DeleteRefusingService(int answer) {
    ASSERT_TRUE(TestService::WaitForManagerStartup());
    const std::string name = UniqueName("SentrelTestRefuse");
    TestService service(name, "Refusing " + name, "", "--refuse-stop=1051");
    ASSERT_TRUE(service.Created());
    ASSERT_TRUE(service.Start());
    OpenServices(DefaultCfmFlags & ~0x10u);
    CursorOn(service.Name());
    ui.QueueMessage(0);      // the stop's failure
    ui.QueueMessage(answer); // the question
    Listings();
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);

    const std::vector<ulvar::standin::MessageShown> boxes = Questions(ui);
    ASSERT_EQ(boxes.size(), 2u);
    // The prefix's manager passes the stop on and answers success whatever the program answered
    // (a stop sent again then fails as not acceptable now): the refusal shows in the state, which
    // stays running instead of stopped.
    EXPECT_EQ(boxes[0].lines[0], Msg(msg::Error));
    EXPECT_EQ(Text(boxes[0]), With(107, service.DisplayName(), Computer()) + " " + Msg(128));
    EXPECT_EQ(boxes[0].buttons, std::vector<std::string>{Msg(msg::Ok)});
    EXPECT_EQ(boxes[1].lines[0], Msg(msg::Warning));
    EXPECT_EQ(Text(boxes[1]), With(114, service.DisplayName()));
    EXPECT_EQ(boxes[1].buttons, (std::vector<std::string>{Msg(62), Msg(63)}));
    EXPECT_NE(boxes[1].flags & ulvar::MessageWarning, 0u);

    EXPECT_EQ(service.State(), static_cast<unsigned long>(SERVICE_RUNNING));
    if (answer == 0) {
        EXPECT_TRUE(MarkedForDeletion(service.Name()));
        EXPECT_LT(Find(service.Name()), 0);
        EXPECT_EQ(Listings(), 1);
    } else {
        // ended at once: the panel is not even listed again
        EXPECT_FALSE(MarkedForDeletion(service.Name()));
        EXPECT_GT(Find(service.Name()), 0);
        EXPECT_EQ(Listings(), 0);
    }
}

TEST_F(DeletionTest, AStopThatFailsIsDeletedAnywayOnTheFirstButton) {
    DeleteRefusingService(0);
}

TEST_F(DeletionTest, AStopThatFailsEndsTheDeletionOnTheSecondButton) {
    DeleteRefusingService(1);
}

// The deletion's stop asks about the active dependents (the prefix's manager reports none, so the
// port reports two services of the test's own). agree: they are stopped before the service, which
// is then deleted; else nothing is stopped, and declining the deletion too deletes nothing.
void DeletionTest::DeleteWithDependents(bool agree) {
    ASSERT_TRUE(TestService::WaitForManagerStartup());
    const std::string name = UniqueName(agree ? "SentrelTestYes" : "SentrelTestNo");
    TestService main(name, "Main " + name, "");
    TestService first(name + "a", "First " + name, "");
    TestService second(name + "b", "Second " + name, "");
    for (TestService* service : {&main, &first, &second}) {
        ASSERT_TRUE(service->Created());
        ASSERT_TRUE(service->Start());
    }
    PluginOptions options;
    options.servicePort = [name = main.Name(),
                           dependents = std::vector<DependentService>{
                               {first.Name(), first.DisplayName()},
                               {second.Name(), second.DisplayName()}}](SC_HANDLE manager) {
        return std::make_unique<DependentsPort>(manager, name, dependents);
    };
    OpenServices(DefaultCfmFlags & ~0x10u, options);
    CursorOn(main.Name());
    if (agree) {
        ui.QueueMessage(0); // stop them
    } else {
        ui.QueueMessage(1); // do not stop them
        ui.QueueMessage(1); // and then do not delete
    }
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_EQ(ui.PendingCount(), 0);
    const std::vector<ulvar::standin::MessageShown> boxes = Questions(ui);
    ASSERT_EQ(boxes.size(), agree ? 1u : 2u);
    const auto& question = boxes[0].lines;
    EXPECT_EQ(question[0], Msg(msg::Warning));
    EXPECT_EQ(Text(boxes[0]).rfind(With(97, main.DisplayName()), 0), 0u) << Text(boxes[0]);
    EXPECT_EQ(std::count(question.begin(), question.end(), first.DisplayName()), 1);
    EXPECT_EQ(std::count(question.begin(), question.end(), second.DisplayName()), 1);
    EXPECT_EQ(boxes[0].buttons, (std::vector<std::string>{Msg(62), Msg(63)}));
    if (!agree) {
        EXPECT_EQ(Text(boxes[1]), With(114, main.DisplayName()));
    }

    const unsigned long expected = agree ? SERVICE_STOPPED : SERVICE_RUNNING;
    EXPECT_EQ(first.State(), expected);
    EXPECT_EQ(second.State(), expected);
    EXPECT_EQ(main.State(), expected);
    EXPECT_EQ(MarkedForDeletion(main.Name()), agree);
    EXPECT_EQ(Find(main.Name()) < 0, agree);
    EXPECT_FALSE(MarkedForDeletion(first.Name()));
    EXPECT_FALSE(MarkedForDeletion(second.Name()));
}

TEST_F(DeletionTest, AgreeingToStopTheDependentsStopsThemAndDeletes) {
    DeleteWithDependents(true);
}

TEST_F(DeletionTest, DecliningToStopTheDependentsDeletesNothing) {
    DeleteWithDependents(false);
}

TEST_F(DeletionTest, NothingHappensOnTheFirstItem) {
    OpenServices(DefaultCfmFlags & ~0x10u);
    Panel().SetCursor(0);
    const int count = Panel().Count();
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(Panel().Count(), count);
}

} // namespace sentrel::test
