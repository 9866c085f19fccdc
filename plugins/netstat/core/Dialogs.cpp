#include "plugins/netstat/core/Dialogs.h"

#include <algorithm>
#include <cstdio>

namespace sockwell {

namespace {

ulvar::DialogItem Item(int type, int x1, int y1, int x2, int y2, const std::string& text) {
    ulvar::DialogItem item{};
    item.Type = type;
    item.X1 = x1;
    item.Y1 = y1;
    item.X2 = x2;
    item.Y2 = y2;
    std::snprintf(item.Data, sizeof item.Data, "%s", text.c_str());
    return item;
}

ulvar::DialogItem CheckBox(int y, const std::string& text, bool checked) {
    auto item = Item(ulvar::DialogCheckBox, 5, y, 0, 0, text);
    item.Selected = checked ? 1 : 0;
    return item;
}

} // namespace

DialogLayout ConfigDialog(const Settings& settings, const MessageText& msg) {
    DialogLayout dialog;
    dialog.width = 45;
    dialog.height = 9;
    dialog.items.push_back(Item(ulvar::DialogDoubleBox, 3, 1, 41, 7, msg(0)));
    dialog.items.push_back(CheckBox(3, msg(7), settings.ResolveHosts()));
    dialog.items.push_back(CheckBox(4, msg(9), settings.ResolvePortNames()));
    dialog.items.push_back(CheckBox(5, msg(8), settings.RefreshWhenIdle()));
    for (int message : {5, 6}) {
        auto button = Item(ulvar::DialogButton, 0, 7, 0, 0, msg(message));
        button.Flags = ulvar::DialogCenterGroup;
        dialog.items.push_back(button);
    }
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
    dialog.items.push_back(Item(ulvar::DialogDoubleBox, 3, 1, 20 + w, 6, ""));
    dialog.items.push_back(Item(ulvar::DialogText, 5, 3, 0, 0, msg(10)));
    dialog.items.push_back(Item(ulvar::DialogText, 19, 3, 0, 0, id));
    dialog.items.push_back(Item(ulvar::DialogText, 5, 4, 0, 0, msg(11)));
    dialog.items.push_back(Item(ulvar::DialogText, 19, 4, 0, 0, name));
    return dialog;
}

} // namespace sockwell
