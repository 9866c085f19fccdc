#pragma once

// The plug-in's entry points as plain C++ functions: blocksby.dll exports them under the host's
// names, and tests hand them to the stand-in host directly. None lets an exception escape.
//
// The plug-in object lives once per loaded library, created on first use with the real console.

#include "plugins/game/plugin/GameConsole.h"
#include "ulvar/Plugin.h"

#include <memory>

namespace blocksby {

class BlocksbyPlugin;

void EntrySetStartupInfo(const ulvar::HostStartupInfo* info);
void EntryGetPluginInfo(ulvar::PluginInfoRecord* info);
ulvar::PanelHandle EntryOpenPlugin(int openFrom, std::intptr_t item);

// The plug-in's one object.
BlocksbyPlugin& Plugin();

// For tests: starts over as if the library had just been loaded, with the given console (the
// real one when null).
void ReloadPlugin(std::unique_ptr<GameConsole> console);

} // namespace blocksby
