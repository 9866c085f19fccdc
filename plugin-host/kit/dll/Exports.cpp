// The exports of a plug-in DLL. ulvar_add_plugin compiles this file into each plug-in's DLL with
// ULVAR_EXPORTS_<name> defined for every entry point the plug-in names, so that the DLL exports
// exactly those. Each forwards to the kit's entry point, which runs the plug-in the library
// defines (LibraryPlugin()).

#include "plugin-host/kit/core/PluginModule.h"

namespace {

namespace kit = ulvar::kit;

// The library's plug-in, installed by the first call of any export.
void Ready() noexcept {
    try {
        static const bool installed = [] {
            kit::InstallPlugin(kit::LibraryPlugin());
            return true;
        }();
        static_cast<void>(installed);
    } catch (...) {
        // Tried again on the next call; until then every entry point answers "nothing".
    }
}

} // namespace

#ifdef ULVAR_EXPORTS_SetStartupInfo
ULVAR_EXPORT void SetStartupInfo(const ulvar::HostStartupInfo* info) {
    Ready();
    kit::entry::SetStartupInfo(info);
}
#endif

#ifdef ULVAR_EXPORTS_GetPluginInfo
ULVAR_EXPORT void GetPluginInfo(ulvar::PluginInfoRecord* info) {
    Ready();
    kit::entry::GetPluginInfo(info);
}
#endif

#ifdef ULVAR_EXPORTS_OpenPlugin
ULVAR_EXPORT ulvar::PanelHandle OpenPlugin(int openFrom, std::intptr_t item) {
    Ready();
    return kit::entry::OpenPlugin(openFrom, item);
}
#endif

#ifdef ULVAR_EXPORTS_ClosePlugin
ULVAR_EXPORT void ClosePlugin(ulvar::PanelHandle panel) {
    Ready();
    kit::entry::ClosePlugin(panel);
}
#endif

#ifdef ULVAR_EXPORTS_GetOpenPluginInfo
ULVAR_EXPORT void GetOpenPluginInfo(ulvar::PanelHandle panel, ulvar::OpenPluginInfoRecord* info) {
    Ready();
    kit::entry::GetOpenPluginInfo(panel, info);
}
#endif

#ifdef ULVAR_EXPORTS_GetFindData
ULVAR_EXPORT int GetFindData(ulvar::PanelHandle panel, ulvar::PanelItem** items, int* count,
                             int opMode) {
    Ready();
    return kit::entry::GetFindData(panel, items, count, opMode);
}
#endif

#ifdef ULVAR_EXPORTS_FreeFindData
ULVAR_EXPORT void FreeFindData(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count) {
    Ready();
    kit::entry::FreeFindData(panel, items, count);
}
#endif

#ifdef ULVAR_EXPORTS_SetDirectory
ULVAR_EXPORT int SetDirectory(ulvar::PanelHandle panel, const char* dir, int opMode) {
    Ready();
    return kit::entry::SetDirectory(panel, dir, opMode);
}
#endif

#ifdef ULVAR_EXPORTS_GetFiles
ULVAR_EXPORT int GetFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count, int move,
                          char* destPath, int opMode) {
    Ready();
    return kit::entry::GetFiles(panel, items, count, move, destPath, opMode);
}
#endif

#ifdef ULVAR_EXPORTS_PutFiles
ULVAR_EXPORT int PutFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count, int move,
                          int opMode) {
    Ready();
    return kit::entry::PutFiles(panel, items, count, move, opMode);
}
#endif

#ifdef ULVAR_EXPORTS_DeleteFiles
ULVAR_EXPORT int DeleteFiles(ulvar::PanelHandle panel, ulvar::PanelItem* items, int count,
                             int opMode) {
    Ready();
    return kit::entry::DeleteFiles(panel, items, count, opMode);
}
#endif

#ifdef ULVAR_EXPORTS_ProcessKey
ULVAR_EXPORT int ProcessKey(ulvar::PanelHandle panel, int key, unsigned controlState) {
    Ready();
    return kit::entry::ProcessKey(panel, key, controlState);
}
#endif

#ifdef ULVAR_EXPORTS_ProcessEvent
ULVAR_EXPORT int ProcessEvent(ulvar::PanelHandle panel, int event, void* param) {
    Ready();
    return kit::entry::ProcessEvent(panel, event, param);
}
#endif

#ifdef ULVAR_EXPORTS_Compare
ULVAR_EXPORT int Compare(ulvar::PanelHandle panel, const ulvar::PanelItem* a,
                         const ulvar::PanelItem* b, unsigned sortMode) {
    Ready();
    return kit::entry::Compare(panel, a, b, sortMode);
}
#endif

#ifdef ULVAR_EXPORTS_Configure
ULVAR_EXPORT int Configure(int itemNumber) {
    Ready();
    return kit::entry::Configure(itemNumber);
}
#endif

#ifdef ULVAR_EXPORTS_ExitUlvar
ULVAR_EXPORT void ExitUlvar() {
    Ready();
    kit::entry::ExitUlvar();
}
#endif
