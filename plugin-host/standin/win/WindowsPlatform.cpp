#include "plugin-host/standin/win/WindowsPlatform.h"

#include "plugin-host/standin/win/SystemText.h"
#include "win32/Text.h"

#include <windows.h>

namespace ulvar::standin {

unsigned long WindowsPlatform::LastError() const {
    return GetLastError();
}

void WindowsPlatform::SetLastError(unsigned long code) {
    ::SetLastError(code);
}

std::string WindowsPlatform::ErrorText(unsigned long code) const {
    return win32::OemFromAnsi(SystemErrorText(code));
}

std::intptr_t WindowsPlatform::ConsoleWindow() const {
    return reinterpret_cast<std::intptr_t>(GetConsoleWindow());
}

std::string WindowsPlatform::InterfacePath(const std::string& systemPath) const {
    return win32::OemFromAnsi(systemPath);
}

HostPlatform& SystemPlatform() {
    static WindowsPlatform platform;
    return platform;
}

} // namespace ulvar::standin
