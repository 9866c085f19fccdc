#pragma once

#include <string>

namespace cobwen {

// The system's text for an error code (ANSI code page), looked up in WinInet's message table
// first and then in the system's, language-neutral, at most 256 characters; empty when neither
// knows the code.
std::string WinInetMessage(unsigned long code);

} // namespace cobwen
