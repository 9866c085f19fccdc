#pragma once

#include "browser/catalogue/core/TextLocale.h"

namespace cobwen {

// The locale rules as the system describes them for the locale `lcid` (Russian by default), read
// once at construction. The ANSI functions work in the locale's own code page, 1251 for Russian,
// whatever the system's ANSI code page is.
class SystemTextLocale final : public TextLocale {
public:
    explicit SystemTextLocale(unsigned long lcid = 0x419);

    // -1, 0 or 1.
    int CompareText(std::string_view a, std::string_view b) const override;

private:
    unsigned long lcid_;
};

} // namespace cobwen
