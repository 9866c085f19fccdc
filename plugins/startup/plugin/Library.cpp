// What launchet.dll's exports run.

#include "plugins/startup/plugin/LaunchetPlugin.h"

ulvar::kit::PluginDefinition ulvar::kit::LibraryPlugin() {
    return launchet::LaunchetDefinition();
}
