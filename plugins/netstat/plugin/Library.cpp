// What sockwell.dll's exports run: the plug-in with the best tables the system has.

#include "plugins/netstat/plugin/SockwellPlugin.h"

ulvar::kit::PluginDefinition ulvar::kit::LibraryPlugin() {
    return sockwell::SockwellDefinition();
}
