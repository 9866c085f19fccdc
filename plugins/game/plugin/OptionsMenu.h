#pragma once

// The options menu: redefining the seven keys and switching the drop, rotation and colour
// options. It opens again after each choice until it is left.

#include "GameConsole.h"
#include "GameKeys.h"
#include "GameScreen.h"
#include "GameState.h"
#include "HostServices.h"

namespace blocksby {

struct Options {
    GameState& state; // shortDrop, rotateForward; the board for redrawing
    GameKeys& keys;
    bool& colourMode;
};

void RunOptionsMenu(const HostServices& host, GameConsole& console, GameScreen& screen,
                    const Options& options);

} // namespace blocksby
