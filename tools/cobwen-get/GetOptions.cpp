#include "tools/cobwen-get/GetOptions.h"

#include "browser/catalogue/core/TextHelpers.h"

namespace cobwen {

const char* const GetUsage =
    "usage: cobwen-get [--dest DIR] [--max N] [--proxy-mode 0|1|2] [--proxy HOST:PORT]\n"
    "                  [--proxy-user NAME] [--proxy-password PASS] [--overwrite yes|no] URL...\n";

bool ParseGetOptions(const std::vector<std::string>& arguments, GetOptions& options,
                     std::string& error) {
    options = GetOptions();
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0) {
            options.Urls.push_back(argument);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return false;
        }
        const std::string& value = arguments[++i];
        std::int32_t number = 0;
        if (argument == "--dest") {
            options.DestFolder = value;
        } else if (argument == "--max") {
            if (!TryParseInt32(value, number) || number < 1) {
                error = "--max needs a count of at least 1";
                return false;
            }
            options.MaxCount = number;
        } else if (argument == "--proxy-mode") {
            if (value != "0" && value != "1" && value != "2") {
                error = "--proxy-mode is 0, 1 or 2";
                return false;
            }
            options.Proxy.ProxyAccess = static_cast<ProxyAccessMode>(value[0] - '0');
        } else if (argument == "--proxy") {
            options.Proxy.ProxyHost = value;
        } else if (argument == "--proxy-user") {
            options.Proxy.ProxyUserName = value;
            options.Proxy.ProxyAuthRequired = !value.empty();
        } else if (argument == "--proxy-password") {
            options.Proxy.ProxyPassword = value;
        } else if (argument == "--overwrite") {
            if (value != "yes" && value != "no") {
                error = "--overwrite is yes or no";
                return false;
            }
            options.Overwrite = value == "yes";
        } else {
            error = "unknown option " + argument;
            return false;
        }
    }
    if (options.Urls.empty()) {
        error = "no URL given";
        return false;
    }
    return true;
}

} // namespace cobwen
