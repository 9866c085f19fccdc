#pragma once

// The system's texts for error codes.

#include <string>

namespace win32 {

// The system's message for an error code in the ANSI code page and the user's default language,
// without its trailing line break and blanks; empty when the system has none.
std::string SystemMessageText(unsigned long errorCode);

} // namespace win32
