// Deleting services (Shift+F8) through the stand-in host against the real service control
// manager of the Wine prefix.

#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/core/Settings.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ErrorText.h"

#include <windows.h>

namespace sentrel::test {

namespace {

constexpr int F8 = 0x77;

std::string UniqueName(const char* what) {
    return std::string("SentrelTest") + what + std::to_string(GetCurrentProcessId()) + "x" +
           std::to_string(GetTickCount64() % 1000000);
}

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

class DeletionTest : public SentrelTest {
protected:
    void OpenServices(std::optional<std::uint32_t> cfmFlags) {
        if (cfmFlags) {
            ASSERT_TRUE(testsupport::CreateKey(SettingsKey()));
            ASSERT_TRUE(testsupport::SetDword(SettingsKey(), value::CfmFlags, *cfmFlags));
        }
        LoadLinked();
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
    }
    void CursorOn(const std::string& name) {
        const int index = Find(name);
        ASSERT_GT(index, 0) << name;
        Panel().SetCursor(index);
    }
    int ShiftF8() { return Host().PressKey(F8, ulvar::KeyShift); }
};

} // namespace

TEST_F(DeletionTest, WithoutTheConfirmationBitAStoppedServiceIsDeletedAtOnce) {
    TestService service(UniqueName("Del"), "Deleted " + UniqueName("Del"), "");
    ASSERT_TRUE(service.Created());
    OpenServices(DefaultCfmFlags & ~0x10u);
    CursorOn(service.Name());
    EXPECT_EQ(ShiftF8(), 1);
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(MarkedForDeletion(service.Name()));
    EXPECT_LT(Find(service.Name()), 0);
}

TEST_F(DeletionTest, TheConfirmationBitAsksFirst) {
    TestService service(UniqueName("Ask"), "Asked " + UniqueName("Ask"), "");
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
    TestService service(UniqueName("Run"), "Running " + UniqueName("Run"), "");
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
    TestService service(UniqueName("Mark"), "Marked " + UniqueName("Mark"), "");
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
        EXPECT_EQ(box.buttons, (std::vector<std::string>{Msg(msg::Retry), Msg(msg::Cancel)}));
        EXPECT_EQ(box.lines.back(), win::ErrorText(ERROR_SERVICE_MARKED_FOR_DELETE));
    }
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
