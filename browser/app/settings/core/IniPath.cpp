#include "browser/app/settings/core/IniPath.h"

namespace cobwen {

std::string IniPathForProgram(std::string_view programPath) {
    const std::size_t nameStart = programPath.find_last_of("\\/:") + 1; // npos + 1 == 0
    const std::size_t dot = programPath.rfind('.');
    const std::size_t stem =
        dot != std::string_view::npos && dot >= nameStart ? dot : programPath.size();
    return std::string(programPath.substr(0, stem)) + ".ini";
}

} // namespace cobwen
