#pragma once

// Files for tests of both builds: a fresh folder under the system's temporary folder, removed with
// everything in it (read-only files included), and small file helpers. Paths are the system's
// narrow paths (the ANSI code page on Windows).

#include <string>
#include <string_view>

namespace testsupport {

class ScratchFolder {
public:
    // `prefix` starts the folder's name, to tell whose folder a leftover is.
    explicit ScratchFolder(std::string_view prefix = "ulvar-test-");
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ~ScratchFolder();

    // The folder's path without a trailing delimiter.
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const;
    // Writes a file of the folder; throws when it cannot be written.
    void Write(std::string_view name, std::string_view bytes) const;
    static std::string Read(const std::string& path) { return ReadBytes(path); }

    // A file's whole content ("" when it cannot be read).
    static std::string ReadBytes(const std::string& path);

private:
    std::string path_;
};

// Writes `content` to a new or truncated file; false on failure.
bool WriteFile(const std::string& path, std::string_view content);
// Reads the whole content of a file; false when it cannot be opened.
bool ReadFile(const std::string& path, std::string& content);
// Throws when the file cannot be written.
void WriteBytes(const std::string& path, std::string_view bytes);
inline std::string ReadBytes(const std::string& path) {
    return ScratchFolder::ReadBytes(path);
}
bool FileExists(const std::string& path);
// Removes a folder with everything in it, read-only files included; nothing when it is missing.
void RemoveTree(const std::string& path);

// The folder of the running test program, without a trailing delimiter.
std::string ProgramFolder();

} // namespace testsupport
