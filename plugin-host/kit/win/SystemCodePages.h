#pragma once

// The system's OEM and ANSI code pages, converted by the system (win32/Text.h).

#include "plugin-host/kit/core/CodePages.h"

namespace ulvar::kit::win {

const CodePages& SystemCodePages();

} // namespace ulvar::kit::win
