#pragma once

// The command line of ulvar-host: [--lang en|ru] [--size WxH] PLUGIN.dll

#include <string>
#include <vector>

namespace ulvar::standin {

struct HostArguments {
    std::string language = "en";
    int width = 0; // 0: the console's screen buffer decides
    int height = 0;
    std::string plugin;
    std::string error; // why the command line was refused, or ""
};

HostArguments ParseHostArguments(const std::vector<std::string>& arguments);
inline constexpr const char* HostUsage = "usage: ulvar-host [--lang en|ru] [--size WxH] PLUGIN.dll";

} // namespace ulvar::standin
