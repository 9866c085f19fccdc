#pragma once

#include "browser/app/settings/core/ProxySettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace cobwen {

// The command line of cobwen-get:
//   cobwen-get [--dest DIR] [--max N] [--proxy-mode 0|1|2] [--proxy HOST:PORT]
//              [--proxy-user NAME] [--proxy-password PASS] [--overwrite yes|no] URL...
struct GetOptions {
    std::string DestFolder;
    std::int32_t MaxCount = 1;
    TProxySettings Proxy;
    bool Overwrite = true;
    std::vector<std::string> Urls;
};

// Fills `options` from the arguments after the program name; false with `error` set when the
// line is wrong. A proxy user name makes the proxy require authentication.
bool ParseGetOptions(const std::vector<std::string>& arguments, GetOptions& options,
                     std::string& error);

extern const char* const GetUsage;

} // namespace cobwen
