#include "plugins/netstat/win/PortsFile.h"

#include "win32/Handle.h"
#include "win32/Text.h"

namespace sockwell::win {

std::string PortsFilePath(const std::string& modulePath) {
    auto const slash = modulePath.find_last_of('\\');
    return (slash == std::string::npos ? std::string() : modulePath.substr(0, slash + 1)) +
           "ports.lst";
}

bool ReadPortsFile(const std::string& path, PortNameTable& table) {
    win32::KernelHandle const file(CreateFileW(win32::WideFromOem(path).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    PortLineSplitter splitter;
    auto const store = [&table](std::string_view line) {
        AddPortLine(line, table);
    };
    char block[4096];
    DWORD read = 0;
    while (ReadFile(file.Get(), block, sizeof block, &read, nullptr) && read > 0)
        splitter.Feed(std::string_view(block, read), store);
    splitter.Finish(store);
    return true;
}

} // namespace sockwell::win
