#pragma once

// The command line of ulvar-host: [--lang en|ru] [--size WxH] PLUGIN.dll [MORE.dll ...]

#include <string>
#include <vector>

namespace ulvar::standin {

struct HostArguments {
    std::string language = "en";
    int width = 0; // 0: the console's screen buffer decides
    int height = 0;
    std::string plugin;
    std::vector<std::string> morePlugins; // loaded beside the first
    std::string error;                    // why the command line was refused, or ""
};

HostArguments ParseHostArguments(const std::vector<std::string>& arguments);

inline constexpr int MinScreenWidth = 80;
inline constexpr int MinScreenHeight = 25;
// Why a console of this size cannot be used, or "" when it can.
std::string ScreenSizeError(int width, int height);
inline constexpr const char* HostUsage =
    "usage: ulvar-host [--lang en|ru] [--size WxH] PLUGIN.dll [MORE.dll ...]";

} // namespace ulvar::standin
