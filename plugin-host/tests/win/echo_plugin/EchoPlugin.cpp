// A small plug-in that uses every host service, for the stand-in host's tests and for trying the
// interactive host by hand. It notes what it got back from the host in a text log that the tests
// read through the extra export EchoObserved: one "key=value" line per observation.
//
// Plug-ins menu: 0 opens a panel (a few items with custom columns, a sub-folder), 1 runs a tour of
// the services (menu, dialog, message with the error line, text and screen save and restore,
// panel information, a folder shown while opening) and opens no panel. In the panel, V switches
// the view mode and B sorts by size through HostControl, O updates and redraws the other panel
// when it is the information panel. From the command line
// ("echo:") the text "tour" runs the tour and anything else opens the panel.

#include "ulvar/Plugin.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>
#include <windows.h>

using namespace ulvar;

namespace {

HostStartupInfo host{};
std::string observed;
std::atomic<int> busy{0};
std::atomic<int> breakArrived{0};
int idleEvents = 0;
bool keepOpenOnClose = false;
// Message 0 as the host gave it at the last redraw: another text object means another language.
const char* textAtRedraw = nullptr;

void Note(const std::string& key, const std::string& value) {
    observed += key + "=" + value + "\n";
}

const char* Msg(int number) {
    return host.GetMsg(host.ModuleNumber, number);
}

struct EchoPanel {
    std::string folder; // "" = the top folder
};

struct Entry {
    const char* name;
    std::uint32_t attributes;
    std::uint64_t size;
    const char* note;
    const char* kind;
};

const Entry topEntries[] = {{"beta.txt", 0, 20, "second note", "B"},
                            {"alpha.txt", 0, 100, "first note", "A"},
                            {"Sub", FILE_ATTRIBUTE_DIRECTORY, 0, "folder", "D"},
                            {"readme", 0, 500, "no extension", "R"}};
const Entry subEntries[] = {{"inner.txt", 0, 1, "inside", "I"}};

struct Listing {
    std::string folder;
    std::vector<PanelItem> items;
    std::vector<std::vector<const char*>> columns;
};
std::map<const PanelItem*, Listing*> listings;

std::string Joined(const PanelItem* items, int count) {
    std::string names;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            names += ',';
        names += items[i].Data.FileName;
    }
    return names;
}

void Tour() {
    const char* first = Msg(0);
    Note("msg0", first);
    Note("msgStable", Msg(0) == first ? "1" : "0");
    const char* beyond = Msg(999);
    Note("msg999", beyond ? std::string("'") + beyond + "'" : "null");
    const char* foreign = host.GetMsg(host.ModuleNumber + 100, 0);
    Note("foreignModule", foreign ? std::string("'") + foreign + "'" : "null");

    MenuItem items[4] = {};
    std::snprintf(items[0].Text, sizeof items[0].Text, "%s", Msg(3));
    std::snprintf(items[1].Text, sizeof items[1].Text, "%s", Msg(4));
    items[1].Selected = 1;
    items[2].Separator = 1;
    std::snprintf(items[3].Text, sizeof items[3].Text, "%s", Msg(5));
    int const breakKeys[] = {MakeBreakKey(VK_F4, 0), MakeBreakKey(VK_DELETE, KeyShift), 0};
    int breakCode = -7;
    int const chosen = host.Menu(host.ModuleNumber, -1, -1, 0, MenuWrapMode, Msg(6), "Esc", "Menu",
                                 breakKeys, &breakCode, items, 4);
    Note("menu", std::to_string(chosen));
    Note("menuBreak", std::to_string(breakCode));

    DialogItem dialog[9] = {};
    auto set = [&dialog](int i, int type, int x1, int y1, int x2, int y2, const char* text) {
        dialog[i].Type = type;
        dialog[i].X1 = x1, dialog[i].Y1 = y1, dialog[i].X2 = x2, dialog[i].Y2 = y2;
        std::snprintf(dialog[i].Data, sizeof dialog[i].Data, "%s", text);
    };
    set(0, DialogDoubleBox, 3, 1, 50, 8, "Echo dialog");
    set(1, DialogText, 5, 2, 0, 0, "Name:");
    set(2, DialogEdit, 5, 3, 48, 3, "initial");
    dialog[2].Focus = 1;
    dialog[2].Flags = DialogHistory;
    dialog[2].History = "EchoHistory";
    set(3, DialogCheckBox, 5, 4, 0, 0, "Loud");
    set(4, DialogRadioButton, 5, 5, 0, 0, "Left");
    dialog[4].Flags = DialogGroup;
    dialog[4].Selected = 1;
    set(5, DialogRadioButton, 20, 5, 0, 0, "Right");
    set(6, DialogText, -1, 6, 0, 0, "");
    dialog[6].Flags = DialogSeparator;
    set(7, DialogButton, 0, 7, 0, 0, "OK");
    dialog[7].Flags = DialogCenterGroup;
    dialog[7].DefaultButton = 1;
    set(8, DialogButton, 0, 7, 0, 0, "Cancel");
    dialog[8].Flags = DialogCenterGroup;
    int const closed = host.Dialog(host.ModuleNumber, -1, -1, 54, 10, "Dialog", dialog, 9);
    Note("dialog", std::to_string(closed));
    Note("dialogEdit", dialog[2].Data);
    Note("dialogLoud", std::to_string(dialog[3].Selected));
    Note("dialogRadio", std::to_string(dialog[4].Selected) + std::to_string(dialog[5].Selected));

    const char* lines[] = {"Echo", "Could not open", "C:\\nowhere", "Retry", "Cancel"};
    SetLastError(ERROR_ACCESS_DENIED);
    int const button =
        host.Message(host.ModuleNumber, MessageWarning | MessageErrorLine, "Msg", lines, 5, 2);
    Note("message", std::to_string(button));
    Note("lastErrorAfterMessage", std::to_string(GetLastError()));
    const char* question[] = {"Echo", "Go on?"};
    Note("yesNo",
         std::to_string(host.Message(host.ModuleNumber, MessageYesNo, nullptr, question, 2, 0)));

    void* whole = host.SaveScreen(-1, -1, -1, -1);
    host.Text(0, 0, 0x1F, "ECHO TOUR");
    host.Text(0, 1, 0x70, Msg(7));
    host.Text(0, 0, 0, nullptr);
    void* part = host.SaveScreen(0, 0, 10, 0);
    host.Text(0, 0, 0x4F, "OVERWRITTEN");
    host.RestoreScreen(part);
    host.Text(0, 0, 0, nullptr);
    host.RestoreScreen(whole);
    Note("saved", whole && part ? "1" : "0");

    PanelInfo other{};
    int const got = host.Control(ActivePanel, ControlGetOtherPanelInfo, &other);
    Note("otherInfo", std::to_string(got));
    Note("otherType", std::to_string(other.PanelType));
    Note("otherDir", other.CurDir);
    Note("otherItems", std::to_string(other.ItemsNumber));
    Note("otherSelected", Joined(other.SelectedItems, other.SelectedItemsNumber));
    Note("setDirWhileOpening", std::to_string(host.Control(ActivePanel, ControlSetPanelDirectory,
                                                           const_cast<char*>("C:\\EchoStart"))));
}

void PanelInfoNote(PanelHandle panel) {
    PanelInfo info{};
    host.Control(panel, ControlGetPanelInfo, &info);
    std::string current =
        info.ItemsNumber > 0 ? info.PanelItems[info.CurrentItem].Data.FileName : "";
    Note("info", "current:" + current +
                     " selected:" + Joined(info.SelectedItems, info.SelectedItemsNumber) +
                     " items:" + std::to_string(info.ItemsNumber) +
                     " top:" + std::to_string(info.TopPanelItem) + " dir:" + info.CurDir +
                     " columns:" + info.ColumnTypes);
}

} // namespace

ULVAR_EXPORT const char* EchoObserved() {
    return observed.c_str();
}
ULVAR_EXPORT void EchoClear() {
    observed.clear();
}
ULVAR_EXPORT int EchoBusy() {
    return busy;
}

ULVAR_EXPORT void SetStartupInfo(const HostStartupInfo* info) {
    std::memset(&host, 0, sizeof host);
    std::memcpy(&host, info,
                std::min<std::size_t>(sizeof host, static_cast<std::size_t>(info->StructSize)));
    textAtRedraw = nullptr;
    Note("structSize", std::to_string(info->StructSize));
    Note("module", info->ModuleName);
    Note("moduleNumber", std::to_string(info->ModuleNumber));
    Note("rootKey", info->RootKey ? info->RootKey : "null");
    if (host.StructSize > StartupInfoSizeWithoutAdvControl && host.AdvControl)
        Note("version", std::to_string(host.AdvControl(host.ModuleNumber, AdvGetVersion, nullptr)));
}

ULVAR_EXPORT void GetPluginInfo(PluginInfoRecord* info) {
    static const char* disks[1];
    static const int numbers[1] = {5};
    static const char* plugins[2];
    static const char* config[1];
    disks[0] = Msg(1);
    plugins[0] = Msg(0);
    plugins[1] = Msg(2);
    config[0] = Msg(8);
    info->Flags = PluginInEditor;
    info->DisksMenuStrings = disks;
    info->DisksMenuNumbers = numbers;
    info->DisksMenuStringsNumber = 1;
    info->PluginMenuStrings = plugins;
    info->PluginMenuStringsNumber = 2;
    info->PluginConfigStrings = config;
    info->PluginConfigStringsNumber = 1;
    info->CommandPrefix = "echo";
}

ULVAR_EXPORT PanelHandle OpenPlugin(int openFrom, std::intptr_t item) {
    Note("open", std::to_string(openFrom));
    bool tour = openFrom == OpenFromPluginsMenu && item == 1;
    if (openFrom == OpenFromCommandLine && item)
        tour = std::strcmp(reinterpret_cast<const char*>(item), "tour") == 0;
    if (tour) {
        Tour();
        return InvalidPanel;
    }
    return new EchoPanel{};
}

ULVAR_EXPORT void ClosePlugin(PanelHandle panel) {
    Note("close", "live:" + std::to_string(listings.size()));
    delete static_cast<EchoPanel*>(panel);
}

ULVAR_EXPORT void GetOpenPluginInfo(PanelHandle panel, OpenPluginInfoRecord* info) {
    auto* echo = static_cast<EchoPanel*>(panel);
    static std::string curDir, title;
    static const char* const titles[] = {"Name", "Note", "K"};
    static PanelMode modes[ViewModeCount] = {};
    static InfoPanelLine lines[2] = {};
    static KeyBarTitles keyBar = {};
    curDir = "\\" + echo->folder;
    title = "Echo: " + curDir;
    modes[3] = PanelMode{"N,C0,C1", "0,12,3", titles, 0, 0, 0, 0, nullptr, nullptr, {}};
    std::snprintf(lines[0].Text, sizeof lines[0].Text, "%s", "Echo");
    lines[0].Separator = 1;
    std::snprintf(lines[1].Text, sizeof lines[1].Text, "%s", "Folder");
    std::snprintf(lines[1].Data, sizeof lines[1].Data, "%s", curDir.c_str());
    keyBar.Titles[6] = "Clear";
    keyBar.Titles[7] = "";
    info->Flags = PanelAddDots | PanelShowNamesOnly;
    info->CurDir = curDir.c_str();
    info->PanelTitle = title.c_str();
    info->InfoLines = lines;
    info->InfoLinesNumber = 2;
    info->PanelModesArray = modes;
    info->PanelModesNumber = ViewModeCount;
    info->StartPanelMode = '3';
    info->StartSortMode = SortByName;
    info->KeyBar = &keyBar;
}

ULVAR_EXPORT int GetFindData(PanelHandle panel, PanelItem** items, int* itemsNumber, int) {
    auto* echo = static_cast<EchoPanel*>(panel);
    Note("list", echo->folder);
    bool const top = echo->folder.empty();
    const Entry* entries = top ? topEntries : subEntries;
    int const count = top ? 4 : 1;
    auto* listing = new Listing{echo->folder, std::vector<PanelItem>(count), {}};
    for (int i = 0; i < count; ++i) {
        auto& item = listing->items[i];
        item = PanelItem{};
        std::snprintf(item.Data.FileName, sizeof item.Data.FileName, "%s", entries[i].name);
        item.Data.FileAttributes = entries[i].attributes;
        item.Data.FileSize = entries[i].size;
        listing->columns.push_back({entries[i].note, entries[i].kind});
        item.UserData = i + 1;
    }
    for (int i = 0; i < count; ++i) {
        listing->items[i].CustomColumnData = listing->columns[i].data();
        listing->items[i].CustomColumnNumber = 2;
    }
    *items = listing->items.data();
    *itemsNumber = count;
    listings[*items] = listing;
    return 1;
}

ULVAR_EXPORT void FreeFindData(PanelHandle, PanelItem* items, int) {
    auto const found = listings.find(items);
    if (found == listings.end()) {
        Note("free", "unknown");
        return;
    }
    Note("free", found->second->folder);
    delete found->second;
    listings.erase(found);
}

ULVAR_EXPORT int SetDirectory(PanelHandle panel, const char* dir, int) {
    auto* echo = static_cast<EchoPanel*>(panel);
    Note("setDirectory", dir);
    if (std::strcmp(dir, "..") == 0 && !echo->folder.empty()) {
        echo->folder.clear();
        return 1;
    }
    if (std::strcmp(dir, "Sub") == 0 && echo->folder.empty()) {
        echo->folder = "Sub";
        return 1;
    }
    return 0;
}

ULVAR_EXPORT int GetFiles(PanelHandle, PanelItem* items, int count, int move, char* dest,
                          int opMode) {
    Note("getFiles", Joined(items, count) + " move:" + std::to_string(move) +
                         " mode:" + std::to_string(opMode));
    for (int i = 0; i < count; ++i) {
        std::ofstream file(std::string(dest) + "\\" + items[i].Data.FileName, std::ios::binary);
        file << "echo:" << items[i].Data.FileName << "\r\n";
        if (!file)
            return 0;
    }
    return 1;
}

ULVAR_EXPORT int PutFiles(PanelHandle, PanelItem* items, int count, int move, int) {
    Note("putFiles", Joined(items, count) + " move:" + std::to_string(move));
    // The names are relative to the host's current folder: what is found there goes, with that
    // folder, into "<module>.put" for the terminal tests.
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    std::string found;
    for (int i = 0; i < count; ++i)
        if (GetFileAttributesA(items[i].Data.FileName) != INVALID_FILE_ATTRIBUTES)
            found += std::string(found.empty() ? "" : ",") + items[i].Data.FileName;
    Note("putFolder", folder);
    Note("putFound", found);
    std::ofstream(std::string(host.ModuleName) + ".put", std::ios::binary)
        << "folder=" << folder << "\r\nfound=" << found << "\r\n";
    return move ? 0 : 1;
}

ULVAR_EXPORT int DeleteFiles(PanelHandle, PanelItem* items, int count, int) {
    Note("deleteFiles", Joined(items, count));
    return 1;
}

ULVAR_EXPORT int ProcessKey(PanelHandle panel, int key, unsigned) {
    switch (key) {
    case 'I':
        PanelInfoNote(panel);
        return 1;
    case 'S': {
        PanelInfo info{};
        host.Control(panel, ControlGetPanelInfo, &info);
        for (int i = 0; i < info.ItemsNumber; ++i) {
            std::string const name = info.PanelItems[i].Data.FileName;
            bool const text = name.size() > 4 && name.compare(name.size() - 4, 4, ".txt") == 0;
            info.PanelItems[i].Flags = text ? info.PanelItems[i].Flags | ItemSelected
                                            : info.PanelItems[i].Flags & ~ItemSelected;
        }
        host.Control(panel, ControlSetSelection, &info);
        int keep = 1;
        host.Control(panel, ControlUpdatePanel, &keep);
        RedrawInfo redraw{2, 0};
        host.Control(panel, ControlRedrawPanel, &redraw);
        return 1;
    }
    case 'D':
        Note("setOtherDir", std::to_string(host.Control(panel, ControlSetOtherPanelDirectory,
                                                        const_cast<char*>("C:\\Other"))));
        return 1;
    case 'Q':
        host.Control(panel, ControlClosePlugin, nullptr);
        return 1;
    case 'O': {
        // As the services plug-in does: the other panel is updated and redrawn when it is the
        // information panel.
        PanelInfo other{};
        host.Control(panel, ControlGetOtherPanelInfo, &other);
        bool info = other.PanelType == PanelTypeInfo;
        if (info)
            info = host.Control(panel, ControlUpdateOtherPanel, nullptr) &&
                   host.Control(panel, ControlRedrawOtherPanel, nullptr);
        Note("otherRefreshed", info ? "1" : "0");
        return 1;
    }
    case 'B': {
        int mode = SortBySize;
        Note("setSortMode", std::to_string(host.Control(panel, ControlSetSortMode, &mode)));
        return 1;
    }
    case 'V': {
        // Between the name alone (mode 0) and the start mode's columns (3).
        PanelInfo info{};
        host.Control(panel, ControlGetPanelInfo, &info);
        int mode = info.ViewMode == 3 ? 0 : 3;
        Note("setViewMode", std::to_string(host.Control(panel, ControlSetViewMode, &mode)));
        return 1;
    }
    case 'K':
        keepOpenOnClose = !keepOpenOnClose;
        return 1;
    case 'E': {
        const char* lines[] = {"Echo", "Missing file"};
        SetLastError(ERROR_FILE_NOT_FOUND);
        Note("errorMessage",
             std::to_string(host.Message(host.ModuleNumber, MessageErrorLine | MessageOk, nullptr,
                                         lines, 2, 0)));
        return 1;
    }
    case 'W': {
        // Busy until Ctrl+Break arrives from another thread, at most ten seconds.
        breakArrived = 0;
        busy = 1;
        ULONGLONG const start = GetTickCount64();
        while (!breakArrived && GetTickCount64() - start < 10000)
            Sleep(1);
        busy = 0;
        Note("break", std::to_string(breakArrived.load()));
        return breakArrived;
    }
    default:
        return 0;
    }
}

ULVAR_EXPORT int ProcessEvent(PanelHandle, int event, void* param) {
    switch (event) {
    case EventIdle:
        Note("idle", std::to_string(++idleEvents));
        return 0;
    case EventBreak:
        breakArrived = 1;
        return 0;
    case EventRedraw: {
        const char* const text = Msg(0);
        Note("redraw", !textAtRedraw ? "first" : text == textAtRedraw ? "same" : "switched");
        Note("redrawText", text);
        textAtRedraw = text;
        return 0;
    }
    case EventClose:
        Note("closeEvent", keepOpenOnClose ? "keep" : "close");
        return keepOpenOnClose ? 1 : 0;
    case EventChangeViewMode:
        Note("viewMode", param ? static_cast<const char*>(param) : "null");
        return 0;
    default:
        return 0;
    }
}

ULVAR_EXPORT int Compare(PanelHandle, const PanelItem* a, const PanelItem* b, unsigned sortMode) {
    if (sortMode != SortBySize)
        return CompareUseHostOrder;
    auto const x = a->Data.FileSize, y = b->Data.FileSize;
    return x > y ? -1 : x < y ? 1 : 0; // largest first
}

ULVAR_EXPORT int Configure(int itemNumber) {
    DialogItem items[3] = {};
    items[0].Type = DialogDoubleBox;
    items[0].X1 = 3, items[0].Y1 = 1, items[0].X2 = 36, items[0].Y2 = 5;
    std::snprintf(items[0].Data, sizeof items[0].Data, "%s", Msg(8));
    items[1].Type = DialogCheckBox;
    items[1].X1 = 5, items[1].Y1 = 2;
    std::snprintf(items[1].Data, sizeof items[1].Data, "%s", "Option");
    items[2].Type = DialogButton;
    items[2].Y1 = 4;
    items[2].Flags = DialogCenterGroup;
    items[2].DefaultButton = 1;
    std::snprintf(items[2].Data, sizeof items[2].Data, "%s", "OK");
    int const closed = host.Dialog(host.ModuleNumber, -1, -1, 40, 7, "Config", items, 3);
    Note("configure", std::to_string(itemNumber) + " closed:" + std::to_string(closed) +
                          " option:" + std::to_string(items[1].Selected));
    return closed == 2 ? 1 : 0;
}

ULVAR_EXPORT void ExitUlvar() {
    std::ofstream(std::string(host.ModuleName) + ".exit", std::ios::binary) << "bye\r\n";
}
