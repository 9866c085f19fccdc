#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/TextLocale.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

std::string Cp(const char* utf8) {
    return Utf8ToCp1251(utf8);
}

TEST(BuiltinRussianLocale, MapsEveryCasePairOfTheCodePage) {
    const BuiltinRussianLocale locale;
    const char* pairs[][2] = {
        {"ABCXYZ", "abcxyz"},
        {"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", "абвгдежзийклмнопрстуфхцчшщъыьэюя"},
        {"ЁЂЃЄЅІЇЈЉЊЋЌЎЏҐ", "ёђѓєѕіїјљњћќўџґ"},
    };
    for (const auto& [upper, lower] : pairs) {
        EXPECT_EQ(locale.Lower(Cp(upper)), Cp(lower)) << upper;
        EXPECT_EQ(locale.Upper(Cp(lower)), Cp(upper)) << lower;
    }
    // Digits, punctuation and signs without case stay as they are.
    const std::string neutral = Cp("0123 .,;-_ «»№€ \t");
    EXPECT_EQ(locale.Lower(neutral), neutral);
    EXPECT_EQ(locale.Upper(neutral), neutral);
}

TEST(BuiltinRussianLocale, ComparesIgnoringCaseInAlphabeticalOrder) {
    const BuiltinRussianLocale locale;
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"Ёлка", "ёЛКА", 0},   {"abc", "ABC", 0},   {"абв", "где", -1}, {"zebra", "арбуз", -1},
        {"ель", "ёж", -1},     {"ёж", "жук", -1},   {"я", "Ю", 1},      {"abc", "abcd", -1},
        {"", "", 0},           {"", "a", -1},       {"9", "a", -1},     {"-x", "x", -1},
        {"Tools", "TOOLS", 0}, {"Игры", "игры", 0},
    };
    for (const auto& c : cases) {
        const int r = locale.CompareText(Cp(c.a), Cp(c.b));
        EXPECT_EQ((r > 0) - (r < 0), c.sign) << c.a << " vs " << c.b;
        const int back = locale.CompareText(Cp(c.b), Cp(c.a));
        EXPECT_EQ((back > 0) - (back < 0), -c.sign) << c.b << " vs " << c.a;
    }
}

TEST(BuiltinRussianLocale, HasRussianSeparatorsAndMonths) {
    const BuiltinRussianLocale locale;
    EXPECT_EQ(locale.DecimalSeparator(), ",");
    EXPECT_EQ(locale.ThousandSeparator(), "\xA0");
    EXPECT_EQ(Cp1251ToUtf8(locale.ShortMonthName(1)), "янв");
    EXPECT_EQ(Cp1251ToUtf8(locale.ShortMonthName(5)), "май");
    EXPECT_EQ(Cp1251ToUtf8(locale.ShortMonthName(12)), "дек");
}

TEST(Cp1251, RoundTripsEveryDefinedByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x98) {
            all += static_cast<char>(b);
        }
    }
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
    EXPECT_EQ(Cp1251ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2 \xB9"
                           "1"),
              "Привет №1");
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
    // Characters the code page lacks, and broken sequences, become "?".
    EXPECT_EQ(Utf8ToCp1251("中a\xC3"), "?a?");
    EXPECT_EQ(Utf8ToCp1251("\xFF"
                           "b"),
              "?b");
}

} // namespace
} // namespace cobwen
