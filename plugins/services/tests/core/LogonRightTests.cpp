#include "plugins/services/core/LogonRight.h"

#include "plugins/services/tests/core/ScriptedAccountRights.h"

#include <gtest/gtest.h>

namespace sentrel::test {

namespace {

constexpr std::uint32_t OwnProcess = 0x10, SharedProcess = 0x20, KernelDriver = 0x1;
constexpr std::uint32_t AccessDenied = 5;
constexpr std::uint32_t RpcUnavailable = 1722;

using Calls = std::vector<std::string>;

struct Case {
    const char* what;
    LogonRightRequest request;
    AccountRightsScript script;
    Calls calls;
    LogonRightOutcome expected; // attempted, account, error, right granted, added to group
    int message;
};

AccountRightsScript Holding(std::vector<std::u16string> held) {
    AccountRightsScript script;
    script.held = std::move(held);
    return script;
}

AccountRightsScript With(std::uint32_t AccountRightsScript::*field, std::uint32_t error) {
    AccountRightsScript script;
    script.*field = error;
    return script;
}

const Case Cases[] = {
    {"LocalSystem is not asked about",
     {OwnProcess, "Svc", "LocalSystem", ""},
     {},
     {},
     {false, "", 0, false, false},
     0},
    {"a driver is not asked about",
     {KernelDriver, "Drv", ".\\user", ""},
     {},
     {},
     {false, "", 0, false, false},
     0},
    {"an empty account is not asked about",
     {OwnProcess, "Svc", "", ""},
     {},
     {},
     {false, "", 0, false, false},
     0},
    {"a missing right is added to the account without the dot and backslash",
     {OwnProcess, "Svc", ".\\user", ""},
     {},
     {"Open ", "Lookup  user", "Enumerate user", "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, false},
     139},
    {"only a leading dot and backslash is removed",
     {SharedProcess, "Svc", "a.\\user", ""},
     {},
     {"Open ", "Lookup  a.\\user", "Enumerate a.\\user", "AddRight a.\\user SeServiceLogonRight",
      "Close"},
     {true, "a.\\user", 0, true, false},
     139},
    {"a dot without a backslash stays",
     {OwnProcess, "Svc", "..user", ""},
     {},
     {"Open ", "Lookup  ..user", "Enumerate ..user", "AddRight ..user SeServiceLogonRight",
      "Close"},
     {true, "..user", 0, true, false},
     139},
    {"a domain longer than one character is passed unchanged",
     {OwnProcess, "Svc", "CORP\\user", ""},
     {},
     {"Open ", "Lookup  CORP\\user", "Enumerate CORP\\user",
      "AddRight CORP\\user SeServiceLogonRight", "Close"},
     {true, "CORP\\user", 0, true, false},
     139},
    {"the right already held: nothing added, nothing said",
     {OwnProcess, "Svc", ".\\user", ""},
     Holding({u"SeBatchLogonRight", u"SeServiceLogonRight"}),
     {"Open ", "Lookup  user", "Enumerate user", "Close"},
     {true, "user", 0, false, false},
     0},
    {"a longer right with the same beginning is not the right",
     {OwnProcess, "Svc", ".\\user", ""},
     Holding({u"SeServiceLogonRightX", u"SeServiceLogon"}),
     {"Open ", "Lookup  user", "Enumerate user", "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, false},
     139},
    {"the enumeration failing adds the right",
     {OwnProcess, "Svc", ".\\user", ""},
     With(&AccountRightsScript::enumerateError, 2),
     {"Open ", "Lookup  user", "Enumerate user", "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, false},
     139},
    {"adding the right failing is the error",
     {OwnProcess, "Svc", ".\\user", ""},
     With(&AccountRightsScript::addRightError, AccessDenied),
     {"Open ", "Lookup  user", "Enumerate user", "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", AccessDenied, false, false},
     138},
    {"the policy not opened: its error, nothing else asked, nothing closed",
     {OwnProcess, "Svc", ".\\user", ""},
     With(&AccountRightsScript::openError, AccessDenied),
     {"Open "},
     {true, "user", AccessDenied, false, false},
     138},
    {"an account not found is an invalid service account",
     {OwnProcess, "Svc", ".\\nobody", ""},
     With(&AccountRightsScript::lookupError, logon::NoneMapped),
     {"Open ", "Lookup  nobody", "Close"},
     {true, "nobody", logon::InvalidServiceAccount, false, false},
     138},
    {"a lookup failing otherwise keeps its own error",
     {OwnProcess, "Svc", "CORP\\user", ""},
     With(&AccountRightsScript::lookupError, RpcUnavailable),
     {"Open ", "Lookup  CORP\\user", "Close"},
     {true, "CORP\\user", RpcUnavailable, false, false},
     138},
    {"the replication service in any case joins the group and gets the right",
     {OwnProcess, "rEpLiCaToR", ".\\user", ""},
     {},
     {"Open ", "Lookup  user", "GroupName ", "AddToGroup  Replicator user", "Enumerate user",
      "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, true},
     141},
    {"already a member counts as success, not as added",
     {OwnProcess, "Replicator", ".\\user", ""},
     With(&AccountRightsScript::addToGroupError, logon::MemberInAlias),
     {"Open ", "Lookup  user", "GroupName ", "AddToGroup  Replicator user", "Enumerate user",
      "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, false},
     139},
    {"the group joined and the right already held",
     {OwnProcess, "REPLICATOR", ".\\user", ""},
     Holding({u"SeServiceLogonRight"}),
     {"Open ", "Lookup  user", "GroupName ", "AddToGroup  Replicator user", "Enumerate user",
      "Close"},
     {true, "user", 0, false, true},
     140},
    {"the group's name not found is group not found",
     {OwnProcess, "REPLICATOR", ".\\user", ""},
     With(&AccountRightsScript::groupNameError, logon::NoneMapped),
     {"Open ", "Lookup  user", "GroupName ", "Close"},
     {true, "user", logon::GroupNotFound, false, false},
     138},
    {"joining the group failing otherwise is the error",
     {OwnProcess, "REPLICATOR", ".\\user", ""},
     With(&AccountRightsScript::addToGroupError, AccessDenied),
     {"Open ", "Lookup  user", "GroupName ", "AddToGroup  Replicator user", "Close"},
     {true, "user", AccessDenied, false, false},
     138},
    {"a name near the replication service's is not it",
     {OwnProcess, "REPLICATORS", ".\\user", ""},
     Holding({u"SeServiceLogonRight"}),
     {"Open ", "Lookup  user", "Enumerate user", "Close"},
     {true, "user", 0, false, false},
     0},
    {"a remote computer is named with two backslashes in every call that names one",
     {OwnProcess, "Replicator", ".\\user", "OTHERPC"},
     {},
     {"Open \\\\OTHERPC", "Lookup \\\\OTHERPC user", "GroupName \\\\OTHERPC",
      "AddToGroup \\\\OTHERPC Replicator user", "Enumerate user",
      "AddRight user SeServiceLogonRight", "Close"},
     {true, "user", 0, true, true},
     141},
};

class LogonRightTest : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(LogonRightTest, AsksTheSystemAndTellsTheOutcome) {
    const Case& c = GetParam();
    AccountRightsScript script = c.script;
    ScriptedAccountRights rights(script);
    const LogonRightOutcome outcome = GrantLogonRightTo(rights, c.request);
    EXPECT_EQ(script.calls, c.calls) << c.what;
    EXPECT_FALSE(script.open) << c.what << ": the policy is left open";
    EXPECT_EQ(outcome.attempted, c.expected.attempted) << c.what;
    EXPECT_EQ(outcome.account, c.expected.account) << c.what;
    EXPECT_EQ(outcome.error, c.expected.error) << c.what;
    EXPECT_EQ(outcome.rightGranted, c.expected.rightGranted) << c.what;
    EXPECT_EQ(outcome.addedToGroup, c.expected.addedToGroup) << c.what;
    EXPECT_EQ(LogonRightMessage(outcome), c.message) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, LogonRightTest, ::testing::ValuesIn(Cases));

} // namespace sentrel::test
