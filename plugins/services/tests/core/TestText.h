#pragma once

// Text rules for the tests: the Cyrillic letters of OEM code page 866 and ANSI code page 1251
// converted into each other, ANSI upper case for Latin and Cyrillic letters, everything else kept.

#include "plugins/services/core/SystemText.h"

namespace sentrel::test {

class TestText : public SystemText {
public:
    std::string AnsiFromOem(std::string_view oem) const override;
    std::string OemFromAnsi(std::string_view ansi) const override;
    std::string UpperAnsi(std::string_view ansi) const override;
};

const TestText& Text();

// A UTF-8 literal of Russian letters in code page 866 / 1251.
std::string Oem(std::string_view utf8);
std::string Ansi(std::string_view utf8);

} // namespace sentrel::test
