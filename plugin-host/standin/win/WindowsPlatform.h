#pragma once

// The host's platform on Windows: the thread's last error code, FormatMessage's text converted to
// the OEM code page, the process's console window, and ANSI paths handed over in OEM.

#include "plugin-host/standin/core/HostPlatform.h"

namespace ulvar::standin {

class WindowsPlatform : public HostPlatform {
public:
    unsigned long LastError() const override;
    void SetLastError(unsigned long code) override;
    std::string ErrorText(unsigned long code) const override;
    std::intptr_t ConsoleWindow() const override;
    std::string InterfacePath(const std::string& systemPath) const override;
    std::string CurrentFolder() const override;
    bool SetCurrentFolder(const std::string& folder) override;
    bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) const override;
    bool MakeFolder(const std::string& folder) override;
    bool RemoveFile(const std::string& path) override;
    void SetOemFileFunctions(bool oem) override;
};

} // namespace ulvar::standin
