#include "plugins/game/core/GameStorage.h"

namespace blocksby {

std::string GameFilePath(const std::string& modulePath) {
    const auto dot = modulePath.rfind('.');
    if (dot == std::string::npos) {
        return modulePath + ".gam";
    }
    return modulePath.substr(0, dot + 1) + "gam";
}

} // namespace blocksby
