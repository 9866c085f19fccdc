#pragma once

// The entries the host offers for its loaded plug-ins: their plug-ins-menu, disks-menu and
// configuration entries and a command line for each prefix. Plug-ins-menu entries get the hot
// digits 1 to 9 in their order; disks-menu entries the digit the plug-in asked for (none for 0).

#include "plugin-host/standin/core/HostTexts.h"
#include "plugin-host/standin/core/StandInHost.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ulvar::standin {

struct HostMenuEntry {
    enum Kind { Open, Configure, Command } kind = Open;
    int plugin = 0;     // the host's index of the plug-in
    int origin = 0;     // OpenFromPluginsMenu, OpenFromDisksMenu, OpenFromCommandLine
    int number = 0;     // the entry's number among the plug-in's entries of its menu
    int hotDigit = 0;   // 1..9, or 0 for none
    std::string text;   // for the menu: the hot digit first, marked with '&'
    std::string prefix; // a command line's prefix
};

// configure: the configuration entries too (the main menu has them; F11's menu has not).
std::vector<HostMenuEntry> HostMenuEntries(StandInHost& host, const HostTexts& texts,
                                           bool configure = true);
// The entry whose hot digit the key typed, or -1.
int EntryOfDigit(const std::vector<HostMenuEntry>& entries, char typed);
// Opens an entry's panel (or runs its configuration, or asks for a command line with
// askCommandLine, which returns the text after the prefix or nothing) on the active side.
void RunHostMenuEntry(
    StandInHost& host, const HostMenuEntry& entry,
    const std::function<std::optional<std::string>(const std::string&)>& askCommandLine);

} // namespace ulvar::standin
