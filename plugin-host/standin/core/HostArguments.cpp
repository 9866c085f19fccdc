#include "plugin-host/standin/core/HostArguments.h"

#include <cstdio>

namespace ulvar::standin {

HostArguments ParseHostArguments(const std::vector<std::string>& arguments) {
    HostArguments result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string const& argument = arguments[i];
        bool const hasValue = i + 1 < arguments.size();
        if (argument == "--lang") {
            if (!hasValue || arguments[i + 1].empty())
                return result.error = "--lang needs a language", result;
            result.language = arguments[++i];
        } else if (argument == "--size") {
            int width = 0, height = 0;
            char rest = 0;
            if (!hasValue ||
                std::sscanf(arguments[i + 1].c_str(), "%dx%d%c", &width, &height, &rest) != 2 ||
                width < 80 || height < 25 || width > 1000 || height > 1000)
                return result.error = "--size needs WxH of at least 80x25", result;
            result.width = width;
            result.height = height;
            ++i;
        } else if (!argument.empty() && argument[0] == '-') {
            return result.error = "unknown option " + argument, result;
        } else if (result.plugin.empty()) {
            result.plugin = argument;
        } else {
            result.morePlugins.push_back(argument);
        }
    }
    if (result.plugin.empty() && result.error.empty())
        result.error = "no plug-in given";
    return result;
}

std::string ScreenSizeError(int width, int height) {
    if (width >= MinScreenWidth && height >= MinScreenHeight)
        return "";
    return "ulvar-host needs a console of at least " + std::to_string(MinScreenWidth) + "x" +
           std::to_string(MinScreenHeight) + "; this one is " + std::to_string(width) + "x" +
           std::to_string(height) + " (make the window larger, or give --size WxH)";
}

} // namespace ulvar::standin
