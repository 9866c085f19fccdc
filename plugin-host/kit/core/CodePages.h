#pragma once

// The two 8-bit code pages a plug-in meets: the host's text is in the console's OEM code page,
// Windows' "A" functions take the system's ANSI code page. Platform-free plug-in logic that hands
// text to Windows converts through this interface; on Windows it is SystemCodePages()
// (kit/win/SystemCodePages.h, the system's own conversion), under test one of the test's.

#include <string>
#include <string_view>

namespace ulvar::kit {

class CodePages {
public:
    virtual ~CodePages() = default;
    virtual std::string AnsiFromOem(std::string_view oem) const = 0;
    virtual std::string OemFromAnsi(std::string_view ansi) const = 0;
};

} // namespace ulvar::kit
