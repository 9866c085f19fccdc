#pragma once

// Windows text the host hands to plug-ins: the system's text for an error code, converted between
// the ANSI and the OEM code page with the system's own tables.

#include <string>
#include <string_view>

namespace ulvar::standin {

// FormatMessage's text for an error code in the ANSI code page, without the final line end;
// "Error N" when the system has no text for it.
std::string SystemErrorText(unsigned long code);
std::string AnsiToOemText(std::string_view text);
std::string OemToAnsiText(std::string_view text);

} // namespace ulvar::standin
