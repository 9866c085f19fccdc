#include "browser/catalogue/core/TextLocale.h"

#include <algorithm>
#include <utility>

namespace cobwen {

std::string TextLocale::Lower(std::string_view s) const {
    std::string out(s);
    for (char& c : out) {
        c = ToLower(c);
    }
    return out;
}

std::string TextLocale::Upper(std::string_view s) const {
    std::string out(s);
    for (char& c : out) {
        c = ToUpper(c);
    }
    return out;
}

namespace {

// Upper- and lower-case pairs of code page 1251 outside the two contiguous alphabets.
constexpr std::pair<unsigned char, unsigned char> CyrillicExtraPairs[] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xAF, 0xBF}, {0xB2, 0xB3}, {0xBD, 0xBE},
};

// Lower-case Cyrillic letters of the code page in alphabetical order.
constexpr unsigned char CyrillicOrder[] = {
    0xE0, 0xE1, 0xE2, 0xE3, 0xB4, 0xE4, 0x90, 0x83, 0xE5, 0xB8, 0xBA, 0xE6, 0xE7, 0xBE, 0xE8, 0xB3,
    0xBF, 0xE9, 0xBC, 0xEA, 0xEB, 0x9A, 0xEC, 0xED, 0x9C, 0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0x9E, 0x9D,
    0xF3, 0xA2, 0xF4, 0xF5, 0xF6, 0xF7, 0x9F, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

} // namespace

BuiltinRussianLocale::BuiltinRussianLocale() {
    for (int i = 0; i < 256; ++i) {
        lower_[i] = upper_[i] = static_cast<unsigned char>(i);
    }
    auto pair = [this](unsigned char upper, unsigned char lower) {
        lower_[upper] = lower;
        upper_[lower] = upper;
    };
    for (int c = 'A'; c <= 'Z'; ++c) {
        pair(static_cast<unsigned char>(c), static_cast<unsigned char>(c + 32));
    }
    for (int c = 0xC0; c <= 0xDF; ++c) {
        pair(static_cast<unsigned char>(c), static_cast<unsigned char>(c + 32));
    }
    for (auto [upper, lower] : CyrillicExtraPairs) {
        pair(upper, lower);
    }

    // Symbols by their code, then digits, Latin and Cyrillic letters.
    for (int i = 0; i < 256; ++i) {
        weight_[i] = static_cast<unsigned short>(i);
    }
    for (int d = 0; d < 10; ++d) {
        weight_['0' + d] = static_cast<unsigned short>(300 + d);
    }
    for (int c = 0; c < 26; ++c) {
        weight_['a' + c] = static_cast<unsigned short>(400 + c);
    }
    unsigned short next = 500;
    for (unsigned char c : CyrillicOrder) {
        weight_[c] = next++;
    }

    thousandSeparator_.assign(1, '\xA0');
    decimalSeparator_.assign(1, ',');
    // янв фев мар апр май июн июл авг сен окт ноя дек
    shortMonthNames_ = {"\xFF\xED\xE2", "\xF4\xE5\xE2", "\xEC\xE0\xF0", "\xE0\xEF\xF0",
                        "\xEC\xE0\xE9", "\xE8\xFE\xED", "\xE8\xFE\xEB", "\xE0\xE2\xE3",
                        "\xF1\xE5\xED", "\xEE\xEA\xF2", "\xED\xEE\xFF", "\xE4\xE5\xEA"};
    shortDateFormat_ = "dd.MM.yyyy";
}

int BuiltinRussianLocale::CompareText(std::string_view a, std::string_view b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned short wa = weight_[lower_[static_cast<unsigned char>(a[i])]];
        const unsigned short wb = weight_[lower_[static_cast<unsigned char>(b[i])]];
        if (wa != wb) {
            return wa < wb ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

} // namespace cobwen
