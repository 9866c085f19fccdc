#include "plugins/services/core/LogonRight.h"

#include "plugins/services/core/ServiceConfigEdit.h"

#include <algorithm>
#include <cctype>

namespace sentrel {

namespace {

constexpr int CannotGrantLogonRight = 138;
constexpr int RightGranted = 139;
constexpr int AddedToReplicatorGroup = 140;
constexpr int RightGrantedAndAddedToGroup = 141;

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::string PolicyComputer(const std::string& computer) {
    return computer.empty() ? std::string() : "\\\\" + computer;
}

// The group membership the replication service asks for; the error code, 0 when done.
std::uint32_t JoinReplicatorGroup(AccountRights& rights, const std::string& computer,
                                  const std::vector<std::uint8_t>& sid, bool& added) {
    std::u16string group;
    if (rights.ReplicatorGroupName(computer, group) != 0)
        return logon::GroupNotFound;
    const std::uint32_t error = rights.AddToLocalGroup(computer, group, sid);
    if (error == 0)
        added = true;
    return error == logon::MemberInAlias ? 0 : error;
}

} // namespace

LogonRightOutcome GrantLogonRightTo(AccountRights& rights, const LogonRightRequest& request) {
    LogonRightOutcome outcome;
    if ((request.serviceType & Win32ServiceTypes) == 0 || request.account.empty() ||
        request.account == LocalSystemAccount)
        return outcome;
    outcome.attempted = true;
    outcome.account = request.account;
    if (outcome.account.size() >= 2 && outcome.account[0] == '.' && outcome.account[1] == '\\')
        outcome.account.erase(0, 2);
    const bool replicator = SameIgnoringCase(request.serviceName, ReplicatorService);
    const std::string computer = PolicyComputer(request.computer);

    outcome.error = rights.OpenPolicy(computer);
    if (outcome.error != 0)
        return outcome;
    std::vector<std::uint8_t> sid;
    outcome.error = rights.LookupAccount(computer, outcome.account, sid);
    if (outcome.error == logon::NoneMapped)
        outcome.error = logon::InvalidServiceAccount;
    if (outcome.error == 0 && replicator)
        outcome.error = JoinReplicatorGroup(rights, computer, sid, outcome.addedToGroup);
    if (outcome.error == 0) {
        std::vector<std::u16string> held;
        const bool listed = rights.EnumerateRights(sid, held) == 0;
        if (!listed || std::find(held.begin(), held.end(), ServiceLogonRight) == held.end()) {
            outcome.error = rights.AddRight(sid, ServiceLogonRight);
            outcome.rightGranted = outcome.error == 0;
        }
    }
    rights.ClosePolicy();
    return outcome;
}

int LogonRightMessage(const LogonRightOutcome& outcome) {
    if (!outcome.attempted)
        return 0;
    if (outcome.error != 0)
        return CannotGrantLogonRight;
    if (outcome.rightGranted && outcome.addedToGroup)
        return RightGrantedAndAddedToGroup;
    if (outcome.rightGranted)
        return RightGranted;
    return outcome.addedToGroup ? AddedToReplicatorGroup : 0;
}

} // namespace sentrel
