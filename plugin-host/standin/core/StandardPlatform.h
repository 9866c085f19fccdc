#pragma once

// The host's platform where there is no Windows beneath it (the native build of the tests): errno
// is the last error, strerror gives its text, and there is no console window.

#include "plugin-host/standin/core/HostPlatform.h"

namespace ulvar::standin {

class StandardPlatform : public HostPlatform {
public:
    unsigned long LastError() const override;
    void SetLastError(unsigned long code) override;
    std::string ErrorText(unsigned long code) const override;
    std::intptr_t ConsoleWindow() const override { return 0; }
    std::string CurrentFolder() const override;
    bool SetCurrentFolder(const std::string& folder) override;
    bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) const override;
    bool MakeFolder(const std::string& folder) override;
    bool RemoveFile(const std::string& path) override;
};

} // namespace ulvar::standin
