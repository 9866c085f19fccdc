#pragma once

// The text rules the plug-in's logic needs from the system: the OEM and ANSI code pages and the
// ANSI upper case. On Windows the system's own (win/WindowsText.h), under test one of the test's.

#include "plugin-host/kit/core/CodePages.h"

#include <string>
#include <string_view>

namespace sentrel {

class SystemText : public ulvar::kit::CodePages {
public:
    virtual std::string UpperAnsi(std::string_view ansi) const = 0;
};

// Compares two ANSI texts without regard to case, by the system's upper case.
bool SameNoCase(const SystemText& text, std::string_view a, std::string_view b);

} // namespace sentrel
