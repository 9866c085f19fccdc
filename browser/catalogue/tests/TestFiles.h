#pragma once

#include <filesystem>
#include <string>

namespace cobwen::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// A gzip file holding `bytes` (one member; an empty text gives an empty member).
void WriteGzip(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);

} // namespace cobwen::testing
