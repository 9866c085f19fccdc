#include "plugins/netstat/core/Dialogs.h"

#include "plugin-host/kit/core/ItemBuilders.h"

#include <algorithm>

namespace sockwell {

DialogLayout ConfigDialog(const Settings& settings, const MessageText& msg) {
    DialogLayout dialog;
    dialog.width = 45;
    dialog.height = 9;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 41, 7, msg(0));
    items.CheckBox(5, 3, msg(7), settings.ResolveHosts());
    items.CheckBox(5, 4, msg(9), settings.ResolvePortNames());
    items.CheckBox(5, 5, msg(8), settings.RefreshWhenIdle());
    for (int message : {5, 6})
        items.Button(7, msg(message));
    dialog.items = std::move(items).Take();
    return dialog;
}

std::optional<Settings> ConfigDialogResult(int closingItem,
                                           const std::vector<ulvar::DialogItem>& items) {
    if (closingItem != ConfigAcceptItem || items.size() < 4)
        return std::nullopt;
    Settings settings;
    settings.resolve = items[1].Selected ? 1 : 0;
    settings.resolvePorts = items[2].Selected ? 1 : 0;
    settings.autoRefresh = items[3].Selected ? 1 : 0;
    return settings;
}

DialogLayout ProcessDialog(const ProcessEntry* entry, const MessageText& msg) {
    std::string const id = entry ? entry->id : "";
    std::string const name = entry ? entry->name : "";
    int const w = static_cast<int>(std::max(id.size(), name.size()));
    DialogLayout dialog;
    dialog.width = w + 24;
    dialog.height = 8;
    ulvar::kit::DialogItems items;
    items.DoubleBox(3, 1, 20 + w, 6, "");
    items.Text(5, 3, msg(10));
    items.Text(19, 3, id);
    items.Text(5, 4, msg(11));
    items.Text(19, 4, name);
    dialog.items = std::move(items).Take();
    return dialog;
}

} // namespace sockwell
