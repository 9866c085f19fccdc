#include "tools/testsupport/ScratchFolder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace testsupport {

namespace fs = std::filesystem;

namespace {

unsigned long ProcessId() {
#ifdef _WIN32
    return GetCurrentProcessId();
#else
    return static_cast<unsigned long>(getpid());
#endif
}

} // namespace

ScratchFolder::ScratchFolder(std::string_view prefix) {
    static std::atomic<unsigned> counter{0};
    const fs::path temp = fs::temp_directory_path();
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            temp / (std::string(prefix) + std::to_string(ProcessId()) + "-" +
                    std::to_string(stamp % 1000000) + "-" + std::to_string(counter++));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("cannot create a scratch folder");
}

ScratchFolder::~ScratchFolder() {
    RemoveTree(path_);
}

std::string ScratchFolder::File(std::string_view name) const {
    return (fs::path(path_) / std::string(name)).string();
}

void ScratchFolder::Write(std::string_view name, std::string_view bytes) const {
    WriteBytes(File(name), bytes);
}

std::string ScratchFolder::ReadBytes(const std::string& path) {
    std::string content;
    ReadFile(path, content);
    return content;
}

bool WriteFile(const std::string& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return static_cast<bool>(out.flush());
}

bool ReadFile(const std::string& path, std::string& content) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    content.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

void WriteBytes(const std::string& path, std::string_view bytes) {
    if (!WriteFile(path, bytes))
        throw std::runtime_error("cannot write " + path);
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return fs::exists(path, error);
}

void RemoveTree(const std::string& path) {
    std::error_code error;
    if (path.empty() || !fs::exists(path, error))
        return;
    // Read-only files cannot be deleted on Windows: make every entry writable first.
    for (auto it = fs::recursive_directory_iterator(path, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, error);
    fs::remove_all(path, error);
}

std::string ProgramFolder() {
#ifdef _WIN32
    wchar_t path[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 4);
    return fs::path(std::wstring(path, length)).parent_path().string();
#else
    return fs::read_symlink("/proc/self/exe").parent_path().string();
#endif
}

} // namespace testsupport
