#pragma once

// The error texts the host shows: the system's text for an error code, in the ANSI code page.

#include <string>

namespace ulvar::standin {

// The system's text for an error code without the final line end; "Error N" when the system has
// no text for it.
std::string SystemErrorText(unsigned long code);

} // namespace ulvar::standin
