#include "plugin-host/app/FileCommands.h"

#include "plugin-host/standin/core/FileTransfers.h"

#include <cstdio>
#include <string>
#include <vector>
#include <windows.h>

namespace ulvar::standin {

namespace {

DialogItem Item(int type, int x1, int y1, int x2, const char* text) {
    DialogItem item{};
    item.Type = type;
    item.X1 = x1;
    item.Y1 = y1;
    item.X2 = x2;
    item.Y2 = y1;
    std::snprintf(item.Data, sizeof item.Data, "%s", text);
    return item;
}

} // namespace

void PutFileFromPrompt(StandInHost& host) {
    if (!host.Panel())
        return;
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::vector<DialogItem> items = {
        Item(DialogDoubleBox, 3, 1, 66, "Copy a file into the panel"),
        Item(DialogText, 5, 2, 0, (std::string("From ") + folder).c_str()),
        Item(DialogEdit, 5, 3, 64, ""),
        Item(DialogButton, 0, 4, 0, "Copy"),
        Item(DialogButton, 0, 4, 0, "Cancel"),
    };
    items[0].Y2 = 5;
    items[2].Focus = 1;
    items[3].Flags = items[4].Flags = DialogCenterGroup;
    items[3].DefaultButton = 1;
    DialogShown dialog;
    dialog.x1 = dialog.y1 = -1;
    dialog.x2 = 70;
    dialog.y2 = 6;
    dialog.items = items;
    if (host.Ui().Dialog(dialog, items) != 3 || items[2].Data[0] == '\0')
        return;
    PutFilesFromFolder(host, folder, {MakePanelItem(items[2].Data)});
}

void DeleteFromPanel(StandInHost& host) {
    if (auto* panel = host.Panel())
        panel->DeleteFiles(0);
}

} // namespace ulvar::standin
