#include "plugins/services/plugin/ServiceProperties.h"

#include "plugins/services/core/ServiceDialog.h"
#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Dependencies.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/LogonRight.h"

namespace sentrel {

namespace {

constexpr int WarningTitle = 59;
constexpr int PasswordsDiffer = 137;
constexpr int OkButton = 60;

} // namespace

int EditServiceDialog(ServiceFolder& folder, ServiceConfigEdit& edit) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    const MessageFn msg = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    const std::string displayName = lib.text.OemFromAnsi(edit.displayName);
    ServiceMainValues main = MainValuesOf(edit, lib.text);
    ServiceAdvancedValues advanced = AdvancedValuesOf(edit, lib.text);
    for (;;) {
        DialogLayout dialog = ServiceDialog(displayName, main, advanced.sharedProcess, msg);
        const int closing =
            lib.host.Dialog(dialog.width, dialog.height, dialog.items, "SvcPropDlg");
        main = MainValuesFromDialog(dialog.items, main);
        if (closing == svcdlg::Advanced) {
            ServiceAdvancedValues working = advanced;
            for (;;) {
                DialogLayout more = ServiceAdvancedDialog(working, msg);
                const int answer =
                    lib.host.Dialog(more.width, more.height, more.items, "SvcAdvPropDlg");
                if (answer == svcadv::Dependencies) {
                    working = AdvancedValuesFromDialog(more.items, working);
                    EditDependencies(folder, edit.displayName, edit.serviceName,
                                     working.dependencies);
                    continue;
                }
                if (answer == svcadv::Ok) {
                    advanced = AdvancedValuesFromDialog(more.items, working);
                    TakeAdvanced(main, advanced, edit);
                }
                break;
            }
            continue;
        }
        if (closing != svcdlg::Ok)
            return 0;
        if (FinishServiceEdit(edit, main, advanced, panel.ComputerText(), lib.text) ==
            AccountOutcome::PasswordsDiffer) {
            lib.ShowMessage({std::string(lib.Msg(WarningTitle)),
                             std::string(lib.Msg(PasswordsDiffer)), std::string(lib.Msg(OkButton))},
                            ulvar::MessageWarning, 1);
            continue;
        }
        return 1;
    }
}

void EditProperties(ServiceFolder& folder) {
    ulvar::PanelInfo info{};
    ServiceNode* record = folder.CurrentRecord(info);
    if (!record)
        return;
    ServiceConfigEdit edit = EditRecordFrom(*record);
    if (!EditServiceDialog(folder, edit))
        return;
    if (edit.AnyChange())
        ApplyPropertyChanges(folder, info, *record, edit);
    else // confirming unchanged still grants a right the account lacks
        GrantLogonRight(folder, *record, edit);
}

} // namespace sentrel
