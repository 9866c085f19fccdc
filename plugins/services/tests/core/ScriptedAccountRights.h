#pragma once

// Security calls of the test's: every call recorded with the computer it was given, answers and
// error codes chosen by the test.

#include "plugins/services/core/LogonRight.h"

#include <string>
#include <vector>

namespace sentrel::test {

struct AccountRightsScript {
    std::uint32_t openError = 0, lookupError = 0, groupNameError = 0, addToGroupError = 0,
                  enumerateError = 0, addRightError = 0;
    std::vector<std::u16string> held; // the rights the account has
    std::u16string groupName = u"Replicator";
    // What the calls were given, in order: "Open \\PC", "Lookup \\PC .\x", ...
    std::vector<std::string> calls;
    bool open = false;
};

class ScriptedAccountRights : public AccountRights {
public:
    explicit ScriptedAccountRights(AccountRightsScript& script) : s_(script) {}

    std::uint32_t OpenPolicy(const std::string& computer) override {
        s_.calls.push_back("Open " + computer);
        s_.open = s_.openError == 0;
        return s_.openError;
    }
    void ClosePolicy() override {
        s_.calls.push_back("Close");
        s_.open = false;
    }
    std::uint32_t LookupAccount(const std::string& computer, const std::string& account,
                                std::vector<std::uint8_t>& sid) override {
        s_.calls.push_back("Lookup " + computer + " " + account);
        if (s_.lookupError == 0)
            sid.assign(account.begin(), account.end());
        return s_.lookupError;
    }
    std::uint32_t ReplicatorGroupName(const std::string& computer, std::u16string& name) override {
        s_.calls.push_back("GroupName " + computer);
        if (s_.groupNameError == 0)
            name = s_.groupName;
        return s_.groupNameError;
    }
    std::uint32_t AddToLocalGroup(const std::string& computer, const std::u16string& group,
                                  const std::vector<std::uint8_t>& sid) override {
        s_.calls.push_back("AddToGroup " + computer + " " + Narrow(group) + " " + Sid(sid));
        return s_.addToGroupError;
    }
    std::uint32_t EnumerateRights(const std::vector<std::uint8_t>& sid,
                                  std::vector<std::u16string>& rights) override {
        s_.calls.push_back("Enumerate " + Sid(sid));
        if (s_.enumerateError == 0)
            rights = s_.held;
        return s_.enumerateError;
    }
    std::uint32_t AddRight(const std::vector<std::uint8_t>& sid,
                           const std::u16string& right) override {
        s_.calls.push_back("AddRight " + Sid(sid) + " " + Narrow(right));
        return s_.addRightError;
    }

    static std::string Narrow(const std::u16string& text) { return {text.begin(), text.end()}; }

private:
    static std::string Sid(const std::vector<std::uint8_t>& sid) {
        return {sid.begin(), sid.end()};
    }

    AccountRightsScript& s_;
};

} // namespace sentrel::test
