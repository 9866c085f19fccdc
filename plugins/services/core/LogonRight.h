#pragma once

// Granting the account a Win32 service runs under the right to log on as a service, and for the
// replication service the membership of the built-in Replicator group: the decisions over a narrow
// interface of the system's security calls, and which message tells the outcome.

#include <cstdint>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr const char* ReplicatorService = "REPLICATOR";
inline constexpr char16_t ServiceLogonRight[] = u"SeServiceLogonRight";

namespace logon {
inline constexpr std::uint32_t InvalidServiceAccount = 1057;
inline constexpr std::uint32_t NoneMapped = 1332;
inline constexpr std::uint32_t MemberInAlias = 1378;
inline constexpr std::uint32_t GroupNotFound = 2220;
} // namespace logon

// The security calls, each answering with a Windows error code (0 for success). computer is
// "\\NAME" for another computer and empty for the local one; every call that can name a computer
// is given it. Names are ANSI; the group name and the rights are as the system spells them.
class AccountRights {
public:
    virtual ~AccountRights() = default;
    // The local security policy of the computer, kept open until ClosePolicy.
    virtual std::uint32_t OpenPolicy(const std::string& computer) = 0;
    virtual void ClosePolicy() = 0;
    // The security identifier of the account, as bytes.
    virtual std::uint32_t LookupAccount(const std::string& computer, const std::string& account,
                                        std::vector<std::uint8_t>& sid) = 0;
    // The name of the built-in Replicator group on the computer.
    virtual std::uint32_t ReplicatorGroupName(const std::string& computer,
                                              std::u16string& name) = 0;
    virtual std::uint32_t AddToLocalGroup(const std::string& computer, const std::u16string& group,
                                          const std::vector<std::uint8_t>& sid) = 0;
    // Through the open policy.
    virtual std::uint32_t EnumerateRights(const std::vector<std::uint8_t>& sid,
                                          std::vector<std::u16string>& rights) = 0;
    virtual std::uint32_t AddRight(const std::vector<std::uint8_t>& sid,
                                   const std::u16string& right) = 0;
};

struct LogonRightRequest {
    std::uint32_t serviceType = 0; // of the record
    std::string serviceName;       // ANSI
    std::string account;           // ANSI, as stored in the edit record
    std::string computer;          // the panel's computer (ANSI), empty for the local one
};

struct LogonRightOutcome {
    bool attempted = false; // false: not a Win32 service, no account or "LocalSystem"
    std::string account;    // the account as given to the system (without a leading ".\")
    std::uint32_t error = 0;
    bool rightGranted = false;
    bool addedToGroup = false;
};

LogonRightOutcome GrantLogonRightTo(AccountRights& rights, const LogonRightRequest& request);

// The message telling the outcome: 138 for an error (with the display name and the account), 141,
// 139 or 140 for what was done (with the account), 0 when nothing is shown.
int LogonRightMessage(const LogonRightOutcome& outcome);

} // namespace sentrel
