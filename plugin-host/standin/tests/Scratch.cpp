#include "Scratch.h"

#include <fstream>
#include <iterator>
#include <windows.h>

namespace ulvar::standin::test {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    for (unsigned attempt = 0;; ++attempt) {
        path_ = fs::path(temp) / ("host-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(GetTickCount64()) + "-" + std::to_string(attempt));
        if (fs::create_directory(path_))
            break;
    }
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void ScratchFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
}

std::string ScratchFolder::Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    DWORD const length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(std::string(path, length)).parent_path().string();
}

} // namespace ulvar::standin::test
