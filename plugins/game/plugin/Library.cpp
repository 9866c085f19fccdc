// What blocksby.dll's exports run: the game on the process's console, its file beside the DLL and
// its value in the registry, made by the first call and kept while the library is loaded.

#include "plugin-host/kit/win/SystemCodePages.h"
#include "plugins/game/core/BlocksbyPlugin.h"
#include "plugins/game/win/Win32GameConsole.h"
#include "plugins/game/win/Win32GameStorage.h"

ulvar::kit::PluginDefinition ulvar::kit::LibraryPlugin() {
    return {Lifetime::WholeLoad, [] {
                return std::make_unique<blocksby::BlocksbyPlugin>(
                    std::make_unique<blocksby::win::Win32GameConsole>(),
                    std::make_unique<blocksby::win::Win32GameStorage>(), win::SystemCodePages());
            }};
}
