// The entry points blocksby.dll exports to the host; the game itself lives in the plug-in library.

#include "plugins/game/plugin/PluginEntry.h"

ULVAR_EXPORT void SetStartupInfo(const ulvar::HostStartupInfo* info) {
    blocksby::EntrySetStartupInfo(info);
}

ULVAR_EXPORT void GetPluginInfo(ulvar::PluginInfoRecord* info) {
    blocksby::EntryGetPluginInfo(info);
}

ULVAR_EXPORT ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) {
    return blocksby::EntryOpenPlugin(openFrom, item);
}
