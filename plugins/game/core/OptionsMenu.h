#pragma once

// The options menu: redefining the seven keys and switching the drop, rotation and colour
// options. It opens again after each choice until it is left.

#include "plugin-host/kit/core/HostServices.h"
#include "plugins/game/core/GameConsole.h"
#include "plugins/game/core/GameKeys.h"
#include "plugins/game/core/GameScreen.h"
#include "plugins/game/core/GameState.h"

namespace blocksby {

struct Options {
    GameState& state; // shortDrop, rotateForward; the board for redrawing
    GameKeys& keys;
    bool& colourMode;
};

void RunOptionsMenu(const ulvar::kit::HostServices& host, GameConsole& console, GameScreen& screen,
                    const Options& options);

} // namespace blocksby
