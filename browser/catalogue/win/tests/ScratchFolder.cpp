#include "ScratchFolder.h"

#include "catalogue/win/Handles.h"

#include <atomic>
#include <stdexcept>
#include <windows.h>

namespace cobwen::test {

namespace {

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    FindHandle search(FindFirstFileA((folder + "\\*").c_str(), &found));
    if (search.Valid()) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(search.Get(), &found));
    }
    search.Reset();
    RemoveDirectoryA(folder.c_str());
}

} // namespace

ScratchFolder::ScratchFolder() {
    static std::atomic<unsigned> counter{0};
    char temp[MAX_PATH + 1] = {};
    if (GetTempPathA(MAX_PATH, temp) == 0)
        throw std::runtime_error("no temporary folder");
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = std::string(temp) + "cobwen-win-" +
                                      std::to_string(GetCurrentProcessId()) + "-" +
                                      std::to_string(counter++);
        if (CreateDirectoryA(candidate.c_str(), nullptr)) {
            path_ = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

std::string ScratchFolder::File(std::string_view name) const {
    return path_ + "\\" + std::string(name);
}

bool WriteFile(const std::string& path, std::string_view content) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr) &&
           written == content.size();
}

bool ReadFile(const std::string& path, std::string& content) {
    const FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        return false;
    content.clear();
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    return true;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string program(path, length);
    return program.substr(0, program.find_last_of('\\'));
}

} // namespace cobwen::test
