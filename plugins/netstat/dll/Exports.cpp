// The entry points sockwell.dll exports to the host; the plug-in itself lives in its static
// library.

#include "plugins/netstat/plugin/PluginEntry.h"

ULVAR_EXPORT void SetStartupInfo(const ulvar::HostStartupInfo* info) {
    sockwell::EntrySetStartupInfo(info);
}

ULVAR_EXPORT void GetPluginInfo(ulvar::PluginInfoRecord* info) {
    sockwell::EntryGetPluginInfo(info);
}

ULVAR_EXPORT ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) {
    return sockwell::EntryOpenPlugin(openFrom, item);
}

ULVAR_EXPORT void GetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord* info) {
    sockwell::EntryGetOpenPluginInfo(panel, info);
}

ULVAR_EXPORT int GetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count,
                             int opMode) {
    return sockwell::EntryGetFindData(panel, items, count, opMode);
}

ULVAR_EXPORT void FreeFindData(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count) {
    sockwell::EntryFreeFindData(panel, items, count);
}

ULVAR_EXPORT int ProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) {
    return sockwell::EntryProcessKey(panel, key, controlState);
}

ULVAR_EXPORT int ProcessEvent(ulvar::PanelHandle panel, int event, void* param) {
    return sockwell::EntryProcessEvent(panel, event, param);
}

ULVAR_EXPORT int Configure(int itemNumber) {
    return sockwell::EntryConfigure(itemNumber);
}

ULVAR_EXPORT void ExitUlvar() {
    sockwell::EntryExitUlvar();
}
