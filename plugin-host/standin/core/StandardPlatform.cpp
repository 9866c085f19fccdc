#include "plugin-host/standin/core/StandardPlatform.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace ulvar::standin {

unsigned long StandardPlatform::LastError() const {
    return static_cast<unsigned long>(errno);
}

void StandardPlatform::SetLastError(unsigned long code) {
    errno = static_cast<int>(code);
}

std::string StandardPlatform::ErrorText(unsigned long code) const {
    // strerror may itself set errno; the services put the caller's code back afterwards.
    const char* text = std::strerror(static_cast<int>(code));
    return text && *text ? text : "Error " + std::to_string(code);
}

std::string StandardPlatform::CurrentFolder() const {
    std::error_code error;
    auto const folder = std::filesystem::current_path(error);
    return error ? std::string() : folder.string();
}

bool StandardPlatform::SetCurrentFolder(const std::string& folder) {
    std::error_code error;
    std::filesystem::current_path(folder, error);
    return !error;
}

bool StandardPlatform::ListFolder(const std::string& folder,
                                  std::vector<FolderEntry>& entries) const {
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error)
        return false;
    for (auto const& entry : it) {
        FolderEntry found;
        found.name = entry.path().filename().string();
        found.folder = entry.is_directory(error);
        if (!found.folder) {
            auto const size = entry.file_size(error);
            found.size = error ? 0 : size;
        }
        entries.push_back(std::move(found));
    }
    return true;
}

bool StandardPlatform::MakeFolder(const std::string& folder) {
    std::error_code error;
    return std::filesystem::create_directory(folder, error) && !error;
}

bool StandardPlatform::RemoveFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::remove(path, error) && !error;
}

} // namespace ulvar::standin
