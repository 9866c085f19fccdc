#pragma once

// The host's platform on Windows: the thread's last error code, FormatMessage's text converted to
// the OEM code page, and the process's console window.

#include "plugin-host/standin/core/HostPlatform.h"

namespace ulvar::standin {

class WindowsPlatform : public HostPlatform {
public:
    unsigned long LastError() const override;
    void SetLastError(unsigned long code) override;
    std::string ErrorText(unsigned long code) const override;
    std::intptr_t ConsoleWindow() const override;
};

} // namespace ulvar::standin
