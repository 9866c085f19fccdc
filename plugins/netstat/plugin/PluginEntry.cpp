#include "plugins/netstat/plugin/PluginEntry.h"

#include "plugins/netstat/core/Listing.h"

#include <memory>

namespace sockwell {

namespace {

struct ModuleState {
    std::unique_ptr<SockwellPlugin> plugin;
    PluginOptions nextOptions;
};

ModuleState& State() {
    static ModuleState state;
    return state;
}

} // namespace

SockwellPlugin* Plugin() {
    return State().plugin.get();
}

void SetNextOptions(const PluginOptions& options) {
    State().nextOptions = options;
}

void EntrySetStartupInfo(const ulvar::HostStartupInfo* info) {
    try {
        auto& state = State();
        state.plugin.reset();
        if (info)
            state.plugin = std::make_unique<SockwellPlugin>(*info, state.nextOptions);
    } catch (...) {
    }
}

void EntryGetPluginInfo(ulvar::PluginInfoRecord* info) {
    try {
        if (info && Plugin())
            Plugin()->GetPluginInfo(*info);
    } catch (...) {
    }
}

ulvar::PanelHandle EntryOpenPlugin(int, std::intptr_t) {
    return Plugin() ? Plugin()->Open() : ulvar::InvalidPanel;
}

void EntryGetOpenPluginInfo(ulvar::PanelHandle, ulvar::OpenPluginInfoRecord* info) {
    try {
        if (info && Plugin())
            Plugin()->GetOpenPluginInfo(*info);
    } catch (...) {
    }
}

int EntryGetFindData(ulvar::PanelHandle, ulvar::PanelItem** items, int* count, int) {
    if (!items || !count)
        return 0;
    *items = nullptr;
    *count = 0;
    try {
        return Plugin() ? Plugin()->GetFindData(items, count) : 0;
    } catch (...) {
        return 0;
    }
}

void EntryFreeFindData(ulvar::PanelHandle, ulvar::PanelItem* items, int count) {
    FreeRows(items, count);
}

int EntryProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) {
    try {
        return Plugin() ? Plugin()->ProcessKey(panel, key, controlState) : 0;
    } catch (...) {
        return 0;
    }
}

int EntryProcessEvent(ulvar::PanelHandle panel, int event, void* param) {
    try {
        return Plugin() ? Plugin()->ProcessEvent(panel, event, param) : 0;
    } catch (...) {
        return 0;
    }
}

int EntryConfigure(int) {
    try {
        return Plugin() ? Plugin()->Configure() : 0;
    } catch (...) {
        return 0;
    }
}

void EntryExitUlvar() {
    try {
        State().plugin.reset();
    } catch (...) {
    }
}

} // namespace sockwell
