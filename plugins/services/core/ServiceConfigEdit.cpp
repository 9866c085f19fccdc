#include "plugins/services/core/ServiceConfigEdit.h"

namespace sentrel {

namespace {

constexpr std::size_t MaxAccount = 510;

} // namespace

ServiceConfigEdit EditRecordFrom(const ServiceNode& record) {
    ServiceConfigEdit edit;
    edit.startType = record.config.startType;
    edit.serviceType = record.config.serviceType;
    edit.errorControl = record.config.errorControl;
    edit.displayName = record.config.displayName;
    edit.account = record.config.account;
    edit.binaryPath = record.config.binaryPath;
    edit.loadOrderGroup = record.config.loadOrderGroup;
    edit.dependencies = record.config.dependencies;
    edit.serviceName = record.name;
    edit.dependenciesAsRead = record.config.dependencies;
    return edit;
}

std::string AccountForEditing(const std::string& stored) {
    return stored.rfind(".\\", 0) == 0 ? stored.substr(2) : stored;
}

std::string NormalisedAccount(const std::string& typed, const std::string& displayComputer,
                              const SystemText& text) {
    std::string account;
    const std::size_t slash = typed.find('\\');
    if (slash == std::string::npos)
        account = ".\\" + typed;
    else if (!displayComputer.empty() && SameNoCase(text, typed.substr(0, slash), displayComputer))
        account = "." + typed.substr(slash);
    else
        account = typed;
    return account.substr(0, MaxAccount);
}

AccountOutcome ApplyAccountChoice(ServiceConfigEdit& edit, const std::string& storedAccount,
                                  const AccountChoice& choice, const std::string& displayComputer,
                                  const SystemText& text) {
    edit.changedAccount = edit.changedPassword = false;
    if (choice.localSystem) {
        if (storedAccount != LocalSystemAccount) {
            edit.account = LocalSystemAccount;
            edit.password.clear();
            edit.changedAccount = edit.changedPassword = true;
        }
        return AccountOutcome::Applied;
    }
    const bool keep = choice.password == KeptPassword && choice.confirmed == KeptPassword;
    if (!keep && choice.password != choice.confirmed)
        return AccountOutcome::PasswordsDiffer;
    const std::string account = NormalisedAccount(choice.name, displayComputer, text);
    const std::string stored = storedAccount == LocalSystemAccount
                                   ? storedAccount
                                   : NormalisedAccount(storedAccount, displayComputer, text);
    edit.account = account;
    edit.changedAccount = account != stored;
    if (!keep) {
        edit.password = choice.password;
        edit.changedPassword = true;
    }
    return AccountOutcome::Applied;
}

} // namespace sentrel
