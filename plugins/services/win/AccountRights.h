#pragma once

// The system's security calls behind the logon right: the local security policy of a computer,
// the account and group name lookups, and the local group membership.

#include "plugins/services/core/LogonRight.h"
#include "win32/SecurityHandle.h"

namespace sentrel::win {

class SystemAccountRights : public AccountRights {
public:
    std::uint32_t OpenPolicy(const std::string& computer) override;
    void ClosePolicy() override;
    std::uint32_t LookupAccount(const std::string& computer, const std::string& account,
                                std::vector<std::uint8_t>& sid) override;
    std::uint32_t ReplicatorGroupName(const std::string& computer, std::u16string& name) override;
    std::uint32_t AddToLocalGroup(const std::string& computer, const std::u16string& group,
                                  const std::vector<std::uint8_t>& sid) override;
    std::uint32_t EnumerateRights(const std::vector<std::uint8_t>& sid,
                                  std::vector<std::u16string>& rights) override;
    std::uint32_t AddRight(const std::vector<std::uint8_t>& sid,
                           const std::u16string& right) override;

private:
    win32::LsaPolicyHandle policy_;
};

} // namespace sentrel::win
