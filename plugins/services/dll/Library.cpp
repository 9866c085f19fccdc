// What sentrel.dll's exports run.

#include "plugins/services/plugin/SentrelPlugin.h"

ulvar::kit::PluginDefinition ulvar::kit::LibraryPlugin() {
    return sentrel::SentrelDefinition();
}
