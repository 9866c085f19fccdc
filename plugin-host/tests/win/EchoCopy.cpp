#include "plugin-host/tests/win/EchoCopy.h"

#include <filesystem>
#include <stdexcept>
#include <windows.h>

namespace ulvar::standin::test {

std::string CopyEchoPlugin(const testsupport::ScratchFolder& folder) {
    std::string const source =
        (std::filesystem::path(testsupport::ProgramFolder()) / ECHO_PLUGIN_NAME).string();
    std::string const target = folder.File("echo_plugin.dll");
    if (!CopyFileA(source.c_str(), target.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + source);
    return target;
}

} // namespace ulvar::standin::test
