#pragma once

// A plug-in linked into the core tests: a root folder with a sub-folder, listings allocated per
// call, and a log of what the host called, so the tests see the host's order from the plug-in's
// side.

#include "plugin-host/standin/core/EntryPoints.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace fake {

struct State {
    std::vector<std::string> log; // "GetFindData <folder>", "FreeFindData <folder>", ...
    std::string folder;           // "" = root, "Alpha" = the sub-folder
    std::uint32_t flags = ulvar::PanelAddDots;
    int startPanelMode = ulvar::NoStartMode;
    int startSortMode = ulvar::SortDefault;
    bool ownOrder = false;      // Compare orders by size, largest first; else host order
    bool failListing = false;   // GetFindData fails
    std::set<const void*> live; // listings handed out and not freed yet
    int badFrees = 0;           // FreeFindData of a listing not handed out
    std::vector<int> keys;
    std::vector<int> events;
    std::vector<std::string> received; // item names passed to GetFiles / DeleteFiles
    // When set, the root lists these rows (name, text of column C0) instead of its own items.
    std::vector<std::pair<std::string, std::string>> rows;
    std::deque<std::string> texts;          // the column texts handed out, kept until Reset
    std::map<const void*, int> rowListings; // listings of rows not freed yet, with their counts
};

State& S();
void Reset();
ulvar::standin::PluginEntryPoints EntryPoints();
inline ulvar::PanelHandle const Handle = reinterpret_cast<ulvar::PanelHandle>(0x1234);

} // namespace fake
