#pragma once

#include <string>
#include <string_view>

namespace cobwen::test {

// A fresh folder under the system's temporary folder, removed with everything in it (read-only
// files included) on destruction.
class ScratchFolder {
public:
    ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The folder's path without a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const;

private:
    std::string path_;
};

// Writes `content` to a new or truncated file; false on failure.
bool WriteFile(const std::string& path, std::string_view content);
// Reads the whole content of a file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::string& content);
bool FileExists(const std::string& path);

// The folder of the running test program, without a trailing backslash.
std::string ProgramFolder();

} // namespace cobwen::test
