#include "plugins/services/plugin/Descriptions.h"

#include "plugins/services/core/Descriptions.h"
#include "plugins/services/core/ServiceItems.h"
#include "plugins/services/plugin/Folders.h"
#include "plugins/services/plugin/SharedOperations.h"

namespace sentrel {

int EditDescriptions(ServiceFolder& folder) {
    PanelInstance& panel = folder.Panel();
    Library& lib = panel.Lib();
    if (!lib.functions.changeConfig2)
        return 0;
    ulvar::PanelInfo info{};
    if (!lib.host.Control(panel.Handle(), ulvar::ControlGetPanelInfo, &info) ||
        info.ItemsNumber <= 0 || !info.PanelItems)
        return 1;
    // The records stay alive through the panel's items while the run lasts: nothing is listed
    // anew before it ends.
    std::vector<ServiceNode*> records;
    if (info.SelectedItems && info.SelectedItemsNumber > 0) {
        for (int i = 0; i < info.SelectedItemsNumber; ++i)
            records.push_back(RecordOf(info.SelectedItems[i]));
    } else if (info.CurrentItem >= 0 && info.CurrentItem < info.ItemsNumber) {
        records.push_back(RecordOf(info.PanelItems[info.CurrentItem]));
    }
    const MessageFn msg = [&lib](int number) {
        return std::string(lib.Msg(number));
    };
    bool confirmed = false;
    for (ServiceNode* record : records) {
        if (!record)
            continue;
        DialogLayout dialog = DescriptionDialog(lib.text.OemFromAnsi(record->config.displayName),
                                                record->description, msg);
        if (lib.host.Dialog(dialog.width, dialog.height, dialog.items, ":DescrDlg") < 0)
            break;
        confirmed = true;
        const auto change = DescriptionChange(record->description, dialog.items[descr::Edit].Data);
        if (!change)
            continue;
        if (WriteDescription(folder, *record, lib.text.AnsiFromOem(*change)))
            record->description = change->empty() ? std::nullopt : change;
    }
    if (confirmed) {
        lib.host.Control(panel.Handle(), ulvar::ControlUpdatePanel, reinterpret_cast<void*>(1));
        lib.host.Control(panel.Handle(), ulvar::ControlRedrawPanel, nullptr);
    }
    return 1;
}

} // namespace sentrel
