#pragma once

#include "browser/catalogue/core/DescriptionText.h"

#include <string>
#include <string_view>

namespace cobwen {

// Text of the Windows ANSI code page in the console's OEM code page, converted by the system;
// characters the OEM code page lacks get the system's nearest fit or its default character.
std::string AnsiToOem(std::string_view text);

// Upper-case forms of the OEM code page's bytes as the system maps their characters (the way file
// names compare without regard to case). A byte whose upper-case character the code page cannot
// write maps to itself.
ByteCaseTable OemUpperCase();

} // namespace cobwen
