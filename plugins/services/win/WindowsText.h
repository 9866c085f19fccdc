#pragma once

// The system's text rules: its OEM and ANSI code pages and CharUpperBuff's upper case.

#include "plugins/services/core/SystemText.h"

namespace sentrel::win {

class WindowsText : public SystemText {
public:
    std::string AnsiFromOem(std::string_view oem) const override;
    std::string OemFromAnsi(std::string_view ansi) const override;
    std::string UpperAnsi(std::string_view ansi) const override;
};

} // namespace sentrel::win
