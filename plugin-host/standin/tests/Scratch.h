#pragma once

// Test helpers: a temporary folder removed afterwards, the folder of the test program, and a
// private copy of the echo plug-in with language files of the test's choosing.

#include <filesystem>
#include <string>

namespace ulvar::standin::test {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    void Write(const std::string& name, const std::string& bytes) const;
    static std::string Read(const std::string& path);

private:
    std::filesystem::path path_;
};

std::string ProgramFolder();
// Copies the echo plug-in into the folder as echo_plugin.dll; returns its path.
std::string CopyEchoPlugin(const ScratchFolder& folder);

} // namespace ulvar::standin::test
