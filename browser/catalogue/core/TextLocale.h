#pragma once

#include <array>
#include <string>
#include <string_view>

namespace cobwen {

// The locale rules the browser's text follows: case mapping and case-insensitive comparison of
// code page 1251 text, the separators of formatted numbers and the month abbreviations of dates.
// The program runs with the Russian locale; the Windows build reads it from the system, the core
// ships a built-in description of it for platform-free use and tests.
class TextLocale {
public:
    virtual ~TextLocale() = default;

    // Case-insensitive comparison: negative, zero or positive.
    virtual int CompareText(std::string_view a, std::string_view b) const = 0;

    bool SameText(std::string_view a, std::string_view b) const { return CompareText(a, b) == 0; }

    char ToLower(char c) const { return static_cast<char>(lower_[static_cast<unsigned char>(c)]); }
    char ToUpper(char c) const { return static_cast<char>(upper_[static_cast<unsigned char>(c)]); }
    std::string Lower(std::string_view s) const;
    std::string Upper(std::string_view s) const;

    const std::string& ThousandSeparator() const { return thousandSeparator_; }
    const std::string& DecimalSeparator() const { return decimalSeparator_; }
    // month: 1 to 12.
    const std::string& ShortMonthName(int month) const { return shortMonthNames_.at(month - 1); }
    // The picture of a short date, such as "dd.MM.yyyy" (see FormatShortDate).
    const std::string& ShortDateFormat() const { return shortDateFormat_; }

protected:
    TextLocale() = default;

    std::array<unsigned char, 256> lower_{};
    std::array<unsigned char, 256> upper_{};
    std::string thousandSeparator_;
    std::string decimalSeparator_;
    std::array<std::string, 12> shortMonthNames_;
    std::string shortDateFormat_;
};

// The Russian locale as Windows describes it, for code page 1251: Latin and Cyrillic case pairs
// (Ё/ё, Ђ/ђ and the other Cyrillic letters of the code page included), "," as decimal separator,
// a no-break space (0xA0) as thousands separator, "dd.MM.yyyy" as short date, and alphabetical
// ordering of Cyrillic after Latin.
class BuiltinRussianLocale final : public TextLocale {
public:
    BuiltinRussianLocale();
    int CompareText(std::string_view a, std::string_view b) const override;

private:
    std::array<unsigned short, 256> weight_{};
};

} // namespace cobwen
