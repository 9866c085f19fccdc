#include "plugin-host/tests/core/FakePlugin.h"

#include <cstdio>
#include <cstring>

using namespace ulvar;

namespace fake {

namespace {

State state;

struct Entry {
    const char* name;
    std::uint32_t attributes;
    std::uint64_t size;
};

const Entry rootEntries[] = {
    {"beta.txt", 0, 20}, {"Alpha", 0x10, 0}, {"gamma.log", 0, 5}, {"delta.txt", 0, 10}};
const Entry subEntries[] = {{"inner.txt", 0, 1}, {"Deeper", 0x10, 0}};
const char* const columnTitles[] = {"Name", "Size", "Kind"};
const char* const kinds[] = {"text"};

PanelMode modes[ViewModeCount];

// The rows' column arrays are the listing's own; the items' own columns are the static kinds.
void FreeItems(PanelItem* items, int count) {
    for (int i = 0; i < count; ++i)
        if (items[i].CustomColumnData != kinds)
            delete[] items[i].CustomColumnData;
    delete[] items;
}
KeyBarTitles keyBar;

void GetOpenPluginInfo(PanelHandle, OpenPluginInfoRecord* info) {
    state.log.push_back("GetOpenPluginInfo");
    static std::string curDir;
    curDir = state.folder.empty() ? "\\" : "\\" + state.folder;
    info->Flags = state.flags;
    info->CurDir = curDir.c_str();
    info->PanelTitle = "Fake";
    modes[3] = PanelMode{"N,S,C0", "0,6,8", columnTitles, 0, 0, 0, 0, nullptr, nullptr, {}};
    modes[5] = PanelMode{"N,C0", "0,8", nullptr, 1, 0, 0, 0, nullptr, nullptr, {}}; // full screen
    info->PanelModesArray = modes;
    info->PanelModesNumber = ViewModeCount;
    info->StartPanelMode = state.startPanelMode;
    info->StartSortMode = state.startSortMode;
    keyBar = KeyBarTitles{};
    keyBar.Titles[6] = "MkLink";
    keyBar.Titles[7] = "";
    info->KeyBar = &keyBar;
}

int GetFindData(PanelHandle, PanelItem** items, int* count, int) {
    state.log.push_back("GetFindData " + state.folder);
    if (state.failListing)
        return 0;
    bool const root = state.folder.empty();
    if (root && !state.rows.empty()) {
        int const n = static_cast<int>(state.rows.size());
        auto* list = new PanelItem[n]{};
        for (int i = 0; i < n; ++i) {
            auto const& [name, column] = state.rows[static_cast<std::size_t>(i)];
            std::snprintf(list[i].Data.FileName, sizeof list[i].Data.FileName, "%s", name.c_str());
            state.texts.push_back(column);
            auto const* texts = new const char* [1] {
                state.texts.back().c_str()
            };
            list[i].CustomColumnData = texts;
            list[i].CustomColumnNumber = 1;
            list[i].UserData = 200 + i;
        }
        *items = list;
        *count = n;
        state.live.insert(list);
        state.rowListings[list] = n;
        return 1;
    }
    const Entry* entries = root ? rootEntries : subEntries;
    int const n = root ? 4 : 2;
    auto* list = new PanelItem[n]{};
    for (int i = 0; i < n; ++i) {
        std::snprintf(list[i].Data.FileName, sizeof list[i].Data.FileName, "%s", entries[i].name);
        list[i].Data.FileAttributes = entries[i].attributes;
        list[i].Data.FileSize = entries[i].size;
        list[i].CustomColumnData = kinds;
        list[i].CustomColumnNumber = 1;
        list[i].UserData = 100 + i;
    }
    *items = list;
    *count = n;
    state.live.insert(list);
    return 1;
}

void FreeFindData(PanelHandle, PanelItem* items, int count) {
    state.log.push_back("FreeFindData");
    if (state.live.erase(items) == 0)
        ++state.badFrees;
    state.rowListings.erase(items);
    FreeItems(items, count);
}

int SetDirectory(PanelHandle, const char* dir, int) {
    state.log.push_back(std::string("SetDirectory ") + dir);
    if (std::strcmp(dir, "..") == 0) {
        if (state.folder.empty())
            return 0;
        state.folder.clear();
        return 1;
    }
    if (state.folder.empty() && std::strcmp(dir, "Alpha") == 0) {
        state.folder = "Alpha";
        return 1;
    }
    return 0;
}

int Compare(PanelHandle, const PanelItem* a, const PanelItem* b, unsigned) {
    if (!state.ownOrder)
        return CompareUseHostOrder;
    auto const x = a->Data.FileSize, y = b->Data.FileSize;
    return x > y ? -1 : x < y ? 1 : 0;
}

int ProcessKey(PanelHandle, int key, unsigned) {
    state.keys.push_back(key);
    return key == 'X';
}

int ProcessEvent(PanelHandle, int event, void*) {
    state.events.push_back(event);
    return 0;
}

int GetFiles(PanelHandle, PanelItem* items, int count, int, char* dest, int) {
    state.log.push_back(std::string("GetFiles ") + dest);
    for (int i = 0; i < count; ++i)
        state.received.push_back(items[i].Data.FileName);
    return 1;
}

int DeleteFiles(PanelHandle, PanelItem* items, int count, int) {
    state.log.push_back("DeleteFiles");
    for (int i = 0; i < count; ++i)
        state.received.push_back(items[i].Data.FileName);
    return 1;
}

void ClosePlugin(PanelHandle) {
    state.log.push_back("ClosePlugin");
}

} // namespace

State& S() {
    return state;
}

void Reset() {
    for (auto const* list : state.live) {
        auto const rows = state.rowListings.find(list);
        if (rows != state.rowListings.end())
            FreeItems(static_cast<PanelItem*>(const_cast<void*>(list)), rows->second);
        else
            delete[] static_cast<const PanelItem*>(list);
    }
    state = State{};
}

ulvar::standin::PluginEntryPoints EntryPoints() {
    ulvar::standin::PluginEntryPoints e;
    e.GetOpenPluginInfo = GetOpenPluginInfo;
    e.GetFindData = GetFindData;
    e.FreeFindData = FreeFindData;
    e.SetDirectory = SetDirectory;
    e.Compare = Compare;
    e.ProcessKey = ProcessKey;
    e.ProcessEvent = ProcessEvent;
    e.GetFiles = GetFiles;
    e.DeleteFiles = DeleteFiles;
    e.ClosePlugin = ClosePlugin;
    return e;
}

} // namespace fake
