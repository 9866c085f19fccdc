#include "plugins/services/plugin/LogonRight.h"

#include "plugins/services/core/LogonRight.h"
#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/Messages.h"
#include "plugins/services/plugin/Folders.h"

namespace sentrel {

void GrantLogonRight(ServiceFolder& folder, const ServiceNode& record,
                     const ServiceConfigEdit& edit) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    const LogonRightRequest request{record.config.serviceType, record.name, edit.account,
                                    panel.IsLocal() ? std::string() : panel.Computer()};
    const std::unique_ptr<AccountRights> rights = lib.accountRights();
    const LogonRightOutcome outcome = GrantLogonRightTo(*rights, request);
    const int message = LogonRightMessage(outcome);
    if (message == 0)
        return;
    const std::string account = lib.text.OemFromAnsi(outcome.account);
    if (outcome.error != 0) {
        lib.ErrorNotice(outcome.error, message, lib.text.OemFromAnsi(record.config.displayName),
                        account);
        return;
    }
    lib.ShowMessage({std::string(lib.Msg(msg::ServicesFolder)),
                     FillInserts(lib.Msg(message), {account}), std::string(lib.Msg(msg::Ok))},
                    0, 1);
}

} // namespace sentrel
