// Writing an edit record to the real service control manager of the Wine prefix: the change read
// back, the record replaced where the panel's item points, the lock asked for again, a failure
// shown with the failing call's error.

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/tests/core/ScriptedAccountRights.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/ErrorText.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <optional>

namespace sentrel::test {

namespace {

// A box's text lines after the title, joined with blanks (the host breaks long lines).
std::string Text(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 1; i < lines.size(); ++i)
        text += (i > 1 ? " " : "") + lines[i];
    return text;
}

class ApplyConfigTest : public SentrelTest {
protected:
    void OpenOn(const TestService& service) {
        ASSERT_TRUE(service.Created());
        LoadLinked();
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
        index_ = Find(service.Name());
        ASSERT_GT(index_, 0);
    }
    ServiceNode& Record() { return *RecordOf(Panel().Item(index_)); }
    ServiceFolder& Services() {
        return static_cast<ServiceFolder&>(Plugin()->Find(Panel().Handle())->Folder());
    }
    Library& Lib() { return Plugin()->Lib(); }

private:
    int index_ = -1;
};

} // namespace

TEST_F(ApplyConfigTest, AChangeIsWrittenReadBackAndTakesTheRecordsPlace) {
    const std::string name = UniqueName("SentrelCfgChg");
    TestService service(name, "Sentrel config " + name, "");
    OpenOn(service);
    ServiceNode& record = Record();
    record.mark = 1;
    record.state = StatePaused;
    record.readTime = 12345;

    ServiceConfigEdit edit = EditRecordFrom(record);
    edit.startType = 4;
    edit.errorControl = 2;
    edit.serviceType = NoChange;
    edit.displayName = "Sentrel renamed " + name;
    edit.changedDisplayName = true;
    edit.loadOrderGroup = "SentrelGroup";
    edit.changedGroup = true;
    EXPECT_EQ(ApplyConfig(Services(), record, edit), &record);
    EXPECT_TRUE(ui.Messages().empty());

    const ReadBack back = ReadFromManager(name);
    ASSERT_TRUE(back.found);
    EXPECT_EQ(back.startType, 4u);
    EXPECT_EQ(back.errorControl, 2u);
    EXPECT_EQ(back.displayName, "Sentrel renamed " + name);
    EXPECT_EQ(back.loadOrderGroup, "SentrelGroup");
    // The path was not passed: it is what the service was created with.
    EXPECT_EQ(back.binaryPath, "\"" + service.ProgramPath() + "\" " + name);

    // The panel's item shows the values read back; state, its time and the mark stay.
    EXPECT_EQ(&Record(), &record);
    EXPECT_EQ(record.config.startType, 4u);
    EXPECT_EQ(record.config.displayName, "Sentrel renamed " + name);
    EXPECT_EQ(record.config.loadOrderGroup, "SentrelGroup");
    EXPECT_EQ(record.state, StatePaused);
    EXPECT_EQ(record.readTime, 12345u);
    EXPECT_EQ(record.mark, 1);
}

// What the system is given: -1 for the numbers left alone, no text for what did not change (so a
// name is never written back in another form), and the dependencies as a double-zero-terminated
// list, two zeros clearing them. Wine's manager neither keeps nor reports dependencies, so they
// are seen here, on their way in.
TEST_F(ApplyConfigTest, OnlyWhatChangedIsGivenToTheSystem) {
    const std::string name = UniqueName("SentrelCfgArg");
    TestService service(name, "Sentrel arguments " + name, "");
    OpenOn(service);
    AccountRightsScript rights;
    rights.held = {u"SeServiceLogonRight"};
    Lib().accountRights = [&rights] {
        return std::make_unique<ScriptedAccountRights>(rights);
    };
    struct Given {
        DWORD serviceType = 0, startType = 0, errorControl = 0;
        std::optional<std::string> path, group, dependencies, account, password, displayName;
    };
    Given given;
    Lib().changeConfig = [&given](SC_HANDLE handle, DWORD type, DWORD start, DWORD error,
                                  LPCSTR path, LPCSTR group, LPDWORD tag, LPCSTR dependencies,
                                  LPCSTR account, LPCSTR password, LPCSTR displayName) {
        const auto text = [](LPCSTR value) {
            return value ? std::optional<std::string>(value) : std::nullopt;
        };
        given = {type,         start,         error,          text(path),       text(group),
                 std::nullopt, text(account), text(password), text(displayName)};
        if (dependencies) {
            const char* end = dependencies;
            while (*end || end[1])
                ++end;
            given.dependencies = std::string(dependencies, end + 2);
        }
        return ChangeServiceConfigA(handle, type, start, error, path, group, tag, dependencies,
                                    account, password, displayName);
    };
    struct Case {
        const char* name;
        std::function<void(ServiceConfigEdit&)> edit;
        std::optional<std::string> dependencies, account, password;
    };
    using namespace std::string_literals;
    const Case cases[] = {
        {"start type only", [](ServiceConfigEdit& e) { e.startType = 2; }, std::nullopt,
         std::nullopt, std::nullopt},
        {"dependencies set",
         [](ServiceConfigEdit& e) {
             e.dependencies = {"RpcSs", "+Grp"};
             e.changedDependencies = true;
         },
         "RpcSs\0+Grp\0\0"s, std::nullopt, std::nullopt},
        {"dependencies cleared",
         [](ServiceConfigEdit& e) {
             e.dependencies.clear();
             e.changedDependencies = true;
         },
         "\0\0"s, std::nullopt, std::nullopt},
        {"account and password",
         [](ServiceConfigEdit& e) {
             e.account = ".\\someone";
             e.password = "secret";
             e.changedAccount = e.changedPassword = true;
         },
         std::nullopt, ".\\someone"s, "secret"s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ServiceConfigEdit edit = EditRecordFrom(Record());
        edit.startType = edit.serviceType = edit.errorControl = NoChange;
        c.edit(edit);
        given = {};
        ASSERT_NE(ApplyConfig(Services(), Record(), edit), nullptr);
        EXPECT_EQ(given.serviceType, SERVICE_NO_CHANGE);
        EXPECT_EQ(given.startType, edit.startType == NoChange ? SERVICE_NO_CHANGE : 2u);
        EXPECT_EQ(given.errorControl, SERVICE_NO_CHANGE);
        EXPECT_EQ(given.path, std::nullopt);
        EXPECT_EQ(given.group, std::nullopt);
        EXPECT_EQ(given.displayName, std::nullopt);
        EXPECT_EQ(given.dependencies, c.dependencies);
        EXPECT_EQ(given.account, c.account);
        EXPECT_EQ(given.password, c.password);
    }
    EXPECT_EQ(ReadFromManager(name).account, ".\\someone");
    EXPECT_EQ(Record().config.account, ".\\someone");
    // After each change the account's logon right was looked at; it held the right already.
    EXPECT_NE(std::find(rights.calls.begin(), rights.calls.end(), "Lookup  someone"),
              rights.calls.end());
    EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(ApplyConfigTest, ADescriptionAloneIsWrittenAndTheRecordStays) {
    const std::string name = UniqueName("SentrelCfgDsc");
    TestService service(name, "Sentrel description " + name, "Old text");
    OpenOn(service);
    ServiceNode& record = Record();
    const ServiceConfig before = record.config;
    ServiceConfigEdit edit;
    edit.serviceName = name;
    edit.descriptionOnly = true;
    edit.description = "New text";
    edit.startType = 4; // not written with a description
    EXPECT_EQ(ApplyConfig(Services(), record, edit), &record);
    const ReadBack back = ReadFromManager(name);
    EXPECT_EQ(back.description, "New text");
    EXPECT_EQ(back.startType, before.startType);
    EXPECT_EQ(record.config.displayName, before.displayName);
}

// The database lock refused: the prompt names the computer; giving up writes nothing, retry locks
// again and writes.
TEST_F(ApplyConfigTest, ALockRefusedIsAskedForAgainUntilGivenUp) {
    const std::string name = UniqueName("SentrelCfgLck");
    TestService service(name, "Sentrel lock " + name, "");
    OpenOn(service);
    int refusals = 0;
    Lib().lockDatabase = [&refusals](SC_HANDLE manager) -> SC_LOCK {
        if (refusals-- > 0) {
            SetLastError(ERROR_SERVICE_DATABASE_LOCKED);
            return nullptr;
        }
        return LockServiceDatabase(manager);
    };
    struct Case {
        const char* name;
        int answer;
        bool written;
    };
    std::size_t shown = 0;
    for (const Case& c : {Case{"give up", 1, false}, Case{"retry", 0, true}}) {
        SCOPED_TRACE(c.name);
        refusals = 1;
        ui.QueueMessage(c.answer);
        ServiceConfigEdit edit = EditRecordFrom(Record());
        edit.startType = 4;
        ServiceNode* result = ApplyConfig(Services(), Record(), edit);
        EXPECT_EQ(result != nullptr, c.written);
        ASSERT_EQ(ui.Messages().size(), shown + 1);
        const auto& box = ui.Messages()[shown++].shown;
        EXPECT_EQ(Text(box.lines), FillInserts(Msg(130), {Lib().localNameOem}) + " " +
                                       win::ErrorText(ERROR_SERVICE_DATABASE_LOCKED));
        EXPECT_EQ(ReadFromManager(name).startType, c.written ? 4u : 3u);
        EXPECT_EQ(Record().config.startType, c.written ? 4u : 3u);
    }
}

// A service gone from the manager: the notice carries the open's error and the display name; the
// record is left as it was.
TEST_F(ApplyConfigTest, AFailedOpenIsShownWithItsErrorAndTheRecordIsKept) {
    const std::string name = UniqueName("SentrelCfgGone");
    TestService service(name, "Sentrel gone " + name, "");
    OpenOn(service);
    ServiceNode gone = Record();
    gone.name = "SentrelNoSuchService";
    ui.LetNoticesPass();
    ServiceConfigEdit edit = EditRecordFrom(gone);
    edit.startType = 4;
    EXPECT_EQ(ApplyConfig(Services(), gone, edit), nullptr);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& box = ui.Messages()[0].shown;
    EXPECT_EQ(Text(box.lines), FillInserts(Msg(131), {"Sentrel gone " + name}) + " " +
                                   win::ErrorText(ERROR_SERVICE_DOES_NOT_EXIST));
    EXPECT_EQ(gone.config.startType, 3u);
}

} // namespace sentrel::test
