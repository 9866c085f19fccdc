#pragma once

// The dialogs of the score table: the name of a player who entered the table, and the table.

#include "plugin-host/kit/core/HostServices.h"
#include "plugins/game/core/ScoreTable.h"

#include <optional>
#include <string>

namespace blocksby {

inline constexpr const char* NameHistory = "BlocksbyUserHistory";
inline constexpr const char* DefaultPlayerName = "xUSSR :-)";

// The edited name, or nothing when the dialog was left with Esc.
std::optional<std::string> AskPlayerName(const ulvar::kit::HostServices& host);

// The ten rows, the entry of a game with `currentScore` points marked.
void ShowScoreTable(const ulvar::kit::HostServices& host, const ScoreTable& table,
                    std::int32_t currentScore);

// A finished game: takes its place in the table when it beat an entry (asking the name), then
// shows the table.
void EnterScore(const ulvar::kit::HostServices& host, ScoreTable& table, std::int32_t score,
                std::int32_t delay, std::int32_t lines);

} // namespace blocksby
