#pragma once

// Test helpers shared by the tests of the host and of the plug-ins: a temporary folder removed
// afterwards, and the folder of the test program.

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

} // namespace ulvar::standin::test
