#include "plugins/services/plugin/DriverProperties.h"

#include "plugins/services/core/MessageText.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/ApplyConfig.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/SharedOperations.h"

namespace sentrel {

namespace {

constexpr int Confirmation = 58;
constexpr int BootDriverQuestion = 96;
constexpr int QuestionCancel = 63, QuestionBack = 61, QuestionGoOn = 62;

} // namespace

int EditDriverDialog(ServiceFolder& folder, const ServiceNode& record, DriverChanges& changes) {
    Library& lib = folder.Panel().Lib();
    const MessageFn msg = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    const auto oem = [&lib](const std::string& ansi) {
        return lib.text.OemFromAnsi(ansi);
    };
    const auto ansi = [&lib](const std::string& text) {
        return lib.text.AnsiFromOem(text);
    };
    const bool withPath = !record.config.binaryPath.empty();
    const std::string displayName = oem(record.config.displayName);
    DriverAdvanced values = AdvancedOf(record, oem);
    DialogLayout main = DriverDialog(displayName, record.config.startType, msg);
    for (;;) {
        const int closing = lib.host.Dialog(main.width, main.height, main.items, "DevPropDlg");
        if (closing == devdlg::Advanced) {
            const AdvancedItems at(withPath);
            DriverAdvanced working = values;
            for (;;) {
                DialogLayout advanced = DriverAdvancedDialog(working, withPath, msg);
                const int answer = lib.host.Dialog(advanced.width, advanced.height, advanced.items,
                                                   "DevAdvPropDlg");
                if (answer == at.dependencies) {
                    working = AdvancedFromDialog(advanced.items, withPath, working);
                    EditDependencyList(folder, record, working.dependencies);
                    continue;
                }
                if (answer == at.ok)
                    values = AdvancedFromDialog(advanced.items, withPath, working);
                break;
            }
            continue;
        }
        if (closing != devdlg::Ok)
            return 0;
        const std::uint32_t startType =
            StartTypeFromDialog(main.items).value_or(record.config.startType);
        if (AsksBeforeStartChange(record.config.startType, startType)) {
            const int choice = lib.ShowMessage(
                {std::string(lib.Msg(Confirmation)),
                 FillInserts(lib.Msg(BootDriverQuestion), {displayName}),
                 std::string(lib.Msg(QuestionCancel)), std::string(lib.Msg(QuestionBack)),
                 std::string(lib.Msg(QuestionGoOn))},
                ulvar::MessageWarning, 3);
            if (choice == 0)
                return 0;
            if (choice != 2)
                continue;
        }
        changes = ChangesOf(record, startType, values, ansi);
        return 1;
    }
}

void EditDriverProperties(ServiceFolder& folder) {
    ulvar::PanelInfo info{};
    ServiceNode* record = folder.CurrentRecord(info);
    if (!record)
        return;
    DriverChanges changes;
    if (EditDriverDialog(folder, *record, changes) && changes.Any())
        ApplyPropertyChanges(folder, info, *record, EditOf(changes, record->name));
}

} // namespace sentrel
