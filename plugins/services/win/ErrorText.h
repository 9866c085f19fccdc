#pragma once

// The text of a Windows error code for a message box, in OEM: the system's text in the user's
// default language; for the network codes 2100 to 2999 the network message library's, when the
// system has that library.

#include <string>

namespace sentrel::win {

std::string ErrorText(unsigned long code);

} // namespace sentrel::win
