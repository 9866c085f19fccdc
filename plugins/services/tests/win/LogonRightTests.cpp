// The logon right after a configuration change: what the plug-in shows and which computer it asks,
// through security calls of the test's, and the system's own calls as Wine answers them (its
// policy functions keep no rights: the enumeration reports none and adding one succeeds; a policy
// of another computer is refused).

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/core/ServiceConfigEdit.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/LogonRight.h"
#include "plugins/services/tests/core/ScriptedAccountRights.h"
#include "plugins/services/tests/win/PluginFixture.h"
#include "plugins/services/tests/win/TestService.h"
#include "plugins/services/win/AccountRights.h"
#include "plugins/services/win/ErrorText.h"
#include "plugins/services/win/ServiceManager.h"
#include "win32/Text.h"

#include <windows.h>

#include <memory>

namespace sentrel::test {

namespace {

using ulvar::standin::DialogAnswer;

constexpr int F6 = 0x75;
constexpr std::uint32_t OwnProcess = 0x10;
constexpr unsigned long AccessDenied = 5;
// A user name in the ANSI code page of the Russian system ("Ivan" in Cyrillic), shown in OEM.
constexpr const char* CyrillicAccount = "\xC8\xE2\xE0\xED";

std::string CurrentUser() {
    char name[257];
    DWORD size = sizeof name;
    return GetUserNameA(name, &size) ? name : "";
}

class LogonRightTest : public SentrelTest {
protected:
    // seam: the security calls of the test's instead of the system's. OTHERPC stands for another
    // computer whose manager answers (Wine's opens the local one whatever name it is given).
    void Load(bool seam) {
        PluginOptions options;
        if (seam)
            options.accountRights = [this] {
                return std::make_unique<ScriptedAccountRights>(script);
            };
        options.opener = [](const std::string&, std::uint32_t access, std::uint32_t& error) {
            return win::SystemManagerOpener()("", access, error);
        };
        LoadLinked(options, "ru");
        Open();
        ASSERT_TRUE(Host().EnterFolder(Msg(msg::ServicesFolder)));
    }
    void UseComputer(const std::string& name) {
        ui.QueueDialog(DialogAnswer{2, {{2, name}}, {}});
        ASSERT_EQ(Host().PressKey(F6), 1);
    }
    ServiceFolder& Services() {
        return static_cast<ServiceFolder&>(Plugin()->Find(Panel().Handle())->Folder());
    }
    // The configuration change of the service record with the account as the editor stored it.
    void Grant(const std::string& account, const std::string& serviceName = "SentrelLogon") {
        record.name = serviceName;
        record.config.serviceType = OwnProcess;
        record.config.displayName = "Sentrel logon \xC6"; // an ANSI letter OEM spells otherwise
        record.config.account = account;
        const ServiceConfigEdit edit = EditRecordFrom(record);
        ui.QueueMessage(0);
        GrantLogonRight(Services(), record, edit);
    }
    // The title, then the message broken into lines as the box shows it, then the error text.
    std::vector<std::string> Box(const std::string& title, const std::string& text,
                                 const std::string& errorText = "") {
        std::vector<std::string> lines = {title};
        for (const std::string& line : MessageLines(text))
            lines.push_back(line);
        if (!errorText.empty())
            lines.push_back(errorText);
        return lines;
    }
    std::vector<std::string> Told(int number, const std::string& account) {
        return Box(Msg(msg::ServicesFolder),
                   FillInserts(Msg(number), {win32::OemFromAnsi(account)}));
    }
    std::string FailureText(const std::string& account) {
        return FillInserts(
            Msg(138), {win32::OemFromAnsi(record.config.displayName), win32::OemFromAnsi(account)});
    }
    std::vector<std::string> Failed(unsigned long code, const std::string& account) {
        return Box(Msg(msg::Error), FailureText(account), win::ErrorText(code));
    }

    AccountRightsScript script;
    ServiceNode record;
};

} // namespace

TEST_F(LogonRightTest, AGrantedRightIsToldWithTheAccountInOem) {
    Load(true);
    Grant(std::string(".\\") + CyrillicAccount);
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& shown = ui.Messages()[0].shown;
    EXPECT_EQ(shown.lines, Told(139, CyrillicAccount));
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{Msg(msg::Ok)}));
    EXPECT_FALSE(shown.flags & ulvar::MessageWarning);
    // The local computer is named to none of the calls.
    EXPECT_EQ(script.calls[0], "Open ");
    EXPECT_EQ(script.calls[1], std::string("Lookup  ") + CyrillicAccount);
}

TEST_F(LogonRightTest, TheReplicatorGroupAndTheRightAreToldTogether) {
    Load(true);
    Grant(".\\user", "Replicator");
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines, Told(141, "user"));
}

TEST_F(LogonRightTest, AFailureIsReportedWithTheServiceTheAccountAndTheErrorText) {
    Load(true);
    script.addRightError = AccessDenied;
    Grant("CORP\\user");
    ASSERT_EQ(ui.Messages().size(), 1u);
    const auto& shown = ui.Messages()[0].shown;
    EXPECT_EQ(shown.lines, Failed(AccessDenied, "CORP\\user"));
    EXPECT_EQ(shown.buttons, (std::vector<std::string>{Msg(msg::Ok)}));
    EXPECT_TRUE(shown.flags & ulvar::MessageWarning);
}

TEST_F(LogonRightTest, NothingIsShownWhenNothingWasDone) {
    Load(true);
    script.held = {u"SeServiceLogonRight"};
    Grant(".\\user");
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_EQ(script.calls.size(), 4u); // open, look up, enumerate, close
    script.calls.clear();
    Grant("LocalSystem");
    EXPECT_TRUE(ui.Messages().empty());
    EXPECT_TRUE(script.calls.empty());
}

TEST_F(LogonRightTest, ARemotePanelAsksItsComputer) {
    Load(true);
    UseComputer("otherpc");
    Grant(".\\user", "REPLICATOR");
    const std::vector<std::string> expected = {"Open \\\\otherpc",
                                               "Lookup \\\\otherpc user",
                                               "GroupName \\\\otherpc",
                                               "AddToGroup \\\\otherpc Replicator user",
                                               "Enumerate user",
                                               "AddRight user SeServiceLogonRight",
                                               "Close"};
    EXPECT_EQ(script.calls, expected);
}

// The system's calls under Wine.
TEST_F(LogonRightTest, TheSystemsCallsFindTheAccountAndGrantTheRight) {
    Load(false);
    const std::string user = CurrentUser();
    ASSERT_FALSE(user.empty());
    Grant(".\\" + user);
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines, Told(139, user));

    Grant(".\\nosuchaccount");
    ASSERT_EQ(ui.Messages().size(), 2u);
    EXPECT_EQ(ui.Messages()[1].shown.lines, Failed(logon::InvalidServiceAccount, "nosuchaccount"));
}

TEST_F(LogonRightTest, TheSystemsCallsAskTheRemoteComputerNotTheLocalOne) {
    Load(false);
    UseComputer("otherpc");
    Grant(".\\" + CurrentUser());
    ASSERT_EQ(ui.Messages().size(), 1u);
    auto shown = ui.Messages()[0].shown;
    // The local policy would have answered; the other computer's is refused (Wine refuses every
    // computer but its own).
    const std::vector<std::string> text = Box(Msg(msg::Error), FailureText(CurrentUser()));
    ASSERT_EQ(shown.lines.size(), text.size() + 1) << "the error line";
    shown.lines.pop_back();
    EXPECT_EQ(shown.lines, text);
}

// A service of the test's own set to run as the test's user: the change is written, then the
// right is granted and said so.
TEST_F(LogonRightTest, AConfigurationChangeToAnAccountGrantsItTheRight) {
    const std::string name = "SentrelLogon" + std::to_string(GetCurrentProcessId());
    TestService service(name, "Sentrel logon " + name, "");
    ASSERT_TRUE(service.Created());
    Load(false);
    const int index = Find(name);
    ASSERT_GT(index, 0);
    ServiceNode& listed = *RecordOf(Panel().Item(index));
    ServiceConfigEdit edit = EditRecordFrom(listed);
    edit.account = ".\\" + CurrentUser();
    edit.password = "secret";
    edit.changedAccount = edit.changedPassword = true;
    ui.QueueMessage(0);
    ASSERT_NE(ApplyConfig(Services(), listed, edit), nullptr);
    EXPECT_EQ(ReadFromManager(name).account, ".\\" + CurrentUser());
    ASSERT_EQ(ui.Messages().size(), 1u);
    EXPECT_EQ(ui.Messages()[0].shown.lines, Told(139, CurrentUser()));
}

TEST(SystemAccountRights, TheAccountAndTheReplicatorGroupAreLookedUp) {
    win::SystemAccountRights rights;
    ASSERT_EQ(rights.OpenPolicy(""), 0u);
    std::vector<std::uint8_t> sid;
    ASSERT_EQ(rights.LookupAccount("", CurrentUser(), sid), 0u);
    EXPECT_TRUE(IsValidSid(sid.data()));
    EXPECT_EQ(sid.size(), GetLengthSid(sid.data()));
    std::vector<std::uint8_t> none;
    EXPECT_EQ(rights.LookupAccount("", "nosuchaccount", none), logon::NoneMapped);
    std::u16string group;
    ASSERT_EQ(rights.ReplicatorGroupName("", group), 0u);
    EXPECT_FALSE(group.empty());
    EXPECT_EQ(rights.AddRight(sid, ServiceLogonRight), 0u);
    rights.ClosePolicy();
}

} // namespace sentrel::test
