#include "plugins/game/plugin/PluginEntry.h"

#include "plugins/game/plugin/BlocksbyPlugin.h"
#include "plugins/game/plugin/Win32GameConsole.h"

namespace blocksby {
namespace {

std::unique_ptr<BlocksbyPlugin>& Instance() {
    static std::unique_ptr<BlocksbyPlugin> instance;
    return instance;
}

} // namespace

BlocksbyPlugin& Plugin() {
    auto& instance = Instance();
    if (!instance) {
        instance = std::make_unique<BlocksbyPlugin>(std::make_unique<Win32GameConsole>());
    }
    return *instance;
}

void ReloadPlugin(std::unique_ptr<GameConsole> console) {
    if (!console) {
        console = std::make_unique<Win32GameConsole>();
    }
    Instance() = std::make_unique<BlocksbyPlugin>(std::move(console));
}

void EntrySetStartupInfo(const ulvar::HostStartupInfo* info) {
    try {
        if (info) {
            Plugin().SetStartupInfo(*info);
        }
    } catch (...) {
    }
}

void EntryGetPluginInfo(ulvar::PluginInfoRecord* info) {
    try {
        if (info) {
            Plugin().GetPluginInfo(*info);
        }
    } catch (...) {
    }
}

ulvar::PanelHandle EntryOpenPlugin(int, std::intptr_t) {
    try {
        Plugin().Open();
    } catch (...) {
    }
    return ulvar::InvalidPanel;
}

} // namespace blocksby
