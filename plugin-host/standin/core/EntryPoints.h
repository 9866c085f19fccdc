#pragma once

// The entry points of one plug-in as the host calls them: either looked up by name in a loaded
// library or linked into a test.

#include "ulvar/Plugin.h"

namespace ulvar::standin {

// The entry points of one plug-in; any of them may be missing (null).
struct PluginEntryPoints {
    SetStartupInfoFn SetStartupInfo = nullptr;
    GetPluginInfoFn GetPluginInfo = nullptr;
    OpenPluginFn OpenPlugin = nullptr;
    ClosePluginFn ClosePlugin = nullptr;
    GetOpenPluginInfoFn GetOpenPluginInfo = nullptr;
    GetFindDataFn GetFindData = nullptr;
    FreeFindDataFn FreeFindData = nullptr;
    SetDirectoryFn SetDirectory = nullptr;
    GetFilesFn GetFiles = nullptr;
    PutFilesFn PutFiles = nullptr;
    DeleteFilesFn DeleteFiles = nullptr;
    ProcessKeyFn ProcessKey = nullptr;
    ProcessEventFn ProcessEvent = nullptr;
    CompareFn Compare = nullptr;
    ConfigureFn Configure = nullptr;
    ExitUlvarFn ExitUlvar = nullptr;
};

} // namespace ulvar::standin
