#pragma once

#include "browser/catalogue/core/DescriptionText.h"

#include <string>
#include <string_view>

namespace cobwen {

// Upper-case forms of the OEM code page's bytes as the system maps their characters (the way file
// names compare without regard to case). A byte whose upper-case character the code page cannot
// write maps to itself.
ByteCaseTable OemUpperCase();

} // namespace cobwen
