#pragma once

// The options menu: redefining the seven keys and switching the drop, rotation and colour
// options. It opens again after each choice until it is left.

#include "plugins/game/engine/GameKeys.h"
#include "plugins/game/engine/GameState.h"
#include "plugins/game/plugin/GameConsole.h"
#include "plugins/game/plugin/GameScreen.h"
#include "plugins/game/plugin/HostServices.h"

namespace blocksby {

struct Options {
    GameState& state; // shortDrop, rotateForward; the board for redrawing
    GameKeys& keys;
    bool& colourMode;
};

void RunOptionsMenu(const HostServices& host, GameConsole& console, GameScreen& screen,
                    const Options& options);

} // namespace blocksby
