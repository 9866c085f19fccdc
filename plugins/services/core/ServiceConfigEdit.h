#pragma once

// The edit record of a service's properties (`ServiceConfigEdit`): filled from the record, changed
// by the properties editor, and written by the configuration change. A number field holds -1 (the
// system's "no change") unless it was changed. Also the account rules of the editor: the form an
// account is shown and stored in, and the password fields' "keep the password" text.

#include "plugins/services/core/ServiceNode.h"
#include "plugins/services/core/SystemText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sentrel {

inline constexpr std::int64_t NoChange = -1;
inline constexpr const char* LocalSystemAccount = "LocalSystem";
// What the two password fields hold while the stored password is kept.
inline constexpr const char* KeptPassword = "**************";

struct ServiceConfigEdit {
    std::int64_t startType = NoChange;
    std::int64_t serviceType = NoChange;
    std::int64_t errorControl = NoChange;
    std::string displayName, account, password, binaryPath, loadOrderGroup; // ANSI
    std::vector<std::string> dependencies;
    std::string serviceName;                     // read only
    std::vector<std::string> dependenciesAsRead; // read only
    std::string description;
    bool changedDisplayName = false, changedAccount = false, changedPassword = false,
         changedBinaryPath = false, changedGroup = false, changedDependencies = false;
    bool descriptionOnly = false;

    bool AnyChange() const {
        return startType != NoChange || serviceType != NoChange || errorControl != NoChange ||
               changedDisplayName || changedAccount || changedPassword || changedBinaryPath ||
               changedGroup || changedDependencies;
    }
};

// The record's values, the password empty and nothing marked as changed.
ServiceConfigEdit EditRecordFrom(const ServiceNode& record);

// The account as the editor shows it: without a leading ".\".
std::string AccountForEditing(const std::string& stored);
// A typed account as it is stored: a domain part equal to the display computer name (without
// regard to case) becomes ".", a name without a backslash gets ".\" in front; at most 510
// characters. Any other domain stays as typed.
std::string NormalisedAccount(const std::string& typed, const std::string& displayComputer,
                              const SystemText& text);

// What the user chose in the "log on as" part of the dialog.
struct AccountChoice {
    bool localSystem = true;
    std::string name;                // another account, as typed
    std::string password, confirmed; // the two password fields
};
enum class AccountOutcome { Applied, PasswordsDiffer };
// Sets the account and password fields of edit from the choice. Both password fields still at
// KeptPassword keep the stored password; otherwise they must be equal. The account counts as
// changed only when its stored form differs, so ".\name" for "name" is no change.
AccountOutcome ApplyAccountChoice(ServiceConfigEdit& edit, const std::string& storedAccount,
                                  const AccountChoice& choice, const std::string& displayComputer,
                                  const SystemText& text);

} // namespace sentrel
