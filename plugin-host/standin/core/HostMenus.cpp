#include "plugin-host/standin/core/HostMenus.h"

namespace ulvar::standin {

std::vector<HostMenuEntry> HostMenuEntries(StandInHost& host, const HostTexts& texts,
                                           bool configure) {
    std::vector<HostMenuEntry> entries;
    int pluginsDigit = 0;
    auto const withDigit = [](int digit, const std::string& text) {
        return digit ? "&" + std::to_string(digit) + " " + text : "  " + text;
    };
    for (int p = 0; p < host.PluginCount(); ++p) {
        auto const menus = host.GetPluginInfo(p);
        for (int i = 0; i < static_cast<int>(menus.pluginsMenu.size()); ++i) {
            int const digit = pluginsDigit < 9 ? ++pluginsDigit : 0;
            entries.push_back({HostMenuEntry::Open, p, OpenFromPluginsMenu, i, digit,
                               withDigit(digit, menus.pluginsMenu[i]), ""});
        }
        for (int i = 0; i < static_cast<int>(menus.disksMenu.size()); ++i) {
            int const asked = menus.disksMenuNumbers[static_cast<std::size_t>(i)];
            int const digit = asked >= 1 && asked <= 9 ? asked : 0;
            entries.push_back({HostMenuEntry::Open, p, OpenFromDisksMenu, i, digit,
                               withDigit(digit, texts.disk + menus.disksMenu[i]), ""});
        }
        if (configure)
            for (int i = 0; i < static_cast<int>(menus.configMenu.size()); ++i)
                entries.push_back({HostMenuEntry::Configure, p, 0, i, 0,
                                   withDigit(0, texts.configureEntry + menus.configMenu[i]), ""});
        if (!menus.commandPrefix.empty())
            entries.push_back({HostMenuEntry::Command, p, OpenFromCommandLine, 0, 0,
                               withDigit(0, texts.commandLineEntry + menus.commandPrefix + ":"),
                               menus.commandPrefix});
    }
    return entries;
}

int EntryOfDigit(const std::vector<HostMenuEntry>& entries, char typed) {
    if (typed < '1' || typed > '9')
        return -1;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].hotDigit == typed - '0')
            return static_cast<int>(i);
    return -1;
}

void RunHostMenuEntry(
    StandInHost& host, const HostMenuEntry& entry,
    const std::function<std::optional<std::string>(const std::string&)>& askCommandLine) {
    switch (entry.kind) {
    case HostMenuEntry::Open:
        host.Open(entry.origin, entry.number, entry.plugin);
        break;
    case HostMenuEntry::Configure:
        host.Configure(entry.number, entry.plugin);
        break;
    case HostMenuEntry::Command:
        // The prefix picks the plug-in; the text after it is what OpenPlugin gets.
        if (auto const text = askCommandLine(entry.prefix + ":"))
            host.OpenCommandLine(*text, entry.plugin);
        break;
    }
}

} // namespace ulvar::standin
