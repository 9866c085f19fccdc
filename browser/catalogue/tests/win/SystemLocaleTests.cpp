#include "browser/catalogue/win/SystemLocale.h"

#include "browser/catalogue/core/DateTime.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

std::string Hex(unsigned char c) {
    static const char digits[] = "0123456789ABCDEF";
    return std::string("0x") + digits[c >> 4] + digits[c & 15];
}

// The Windows build's locale must agree with the built-in description used by platform-free code.
class SystemLocaleTest : public ::testing::Test {
protected:
    SystemTextLocale system_;
    BuiltinRussianLocale builtin_;
};

TEST_F(SystemLocaleTest, CaseTablesMatchTheBuiltinOnes) {
    for (int code = 0; code < 256; ++code) {
        const char c = static_cast<char>(code);
        EXPECT_EQ(Hex(system_.ToLower(c)), Hex(builtin_.ToLower(c))) << "lower case of " << Hex(c);
        EXPECT_EQ(Hex(system_.ToUpper(c)), Hex(builtin_.ToUpper(c))) << "upper case of " << Hex(c);
    }
}

TEST_F(SystemLocaleTest, CaseMappingCoversCyrillic) {
    // The tables come from code page 1251 whatever the system's ANSI code page is.
    EXPECT_EQ(system_.Lower("\xC0\xC1\xC2 \xA8\xEB\xEA\xE0 ABC"),
              "\xE0\xE1\xE2 \xB8\xEB\xEA\xE0 abc");
    EXPECT_EQ(system_.Upper("\xE0\xE1\xE2 \xB8\xEB\xEA\xE0 abc"),
              "\xC0\xC1\xC2 \xA8\xCB\xCA\xC0 ABC");
}

TEST_F(SystemLocaleTest, CompareTextOrdersLikeTheBuiltin) {
    // All texts are code page 1251.
    const struct {
        const char* a;
        const char* b;
        int sign;
    } cases[] = {
        {"\xA8\xEB\xEA\xE0", "\xB8\xCB\xCA\xC0", 0}, // "Ёлка" = "ёЛКА"
        {"\xE0\xE1\xE2", "\xE3\xE4\xE5", -1},        // "абв" < "где"
        {"\xDF", "\xE0", 1},                         // "Я" > "а"
        {"\xC5\xE6", "\xB8\xE6", -1},                // "Еж" < "ёж"
        {"\xB8\xE6", "\xE6\xE5", -1},                // "ёж" < "же"
        {"zebra", "\xE0\xE1\xE2", -1},               // Latin before Cyrillic
        {"ZEBRA", "zebra", 0},
        {"Apple", "apricot", -1},
        {"abc", "ab", 1}, // a longer text after its prefix
        {"", "a", -1},
        {"", "", 0},
        {"file10", "file9", -1}, // no numeric ordering
    };
    for (const auto& c : cases) {
        EXPECT_EQ(system_.CompareText(c.a, c.b), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(Sign(builtin_.CompareText(c.a, c.b)), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(system_.CompareText(c.b, c.a), -c.sign) << c.b << " / " << c.a;
    }
}

TEST_F(SystemLocaleTest, SeparatorsMatchTheBuiltinOnes) {
    EXPECT_EQ(system_.DecimalSeparator(), builtin_.DecimalSeparator());
    EXPECT_EQ(system_.ThousandSeparator(), builtin_.ThousandSeparator());
    EXPECT_FALSE(system_.DecimalSeparator().empty());
    EXPECT_FALSE(system_.ThousandSeparator().empty());
}

TEST_F(SystemLocaleTest, ShortDatesReadAsTheSystemWritesThem) {
    EXPECT_EQ(system_.ShortDateFormat(), builtin_.ShortDateFormat());
    const struct {
        WORD year, month, day;
    } dates[] = {{1899, 12, 30}, {2004, 3, 5}, {2021, 11, 28}};
    for (const auto& d : dates) {
        SYSTEMTIME time{};
        time.wYear = d.year;
        time.wMonth = d.month;
        time.wDay = d.day;
        wchar_t expected[64] = {};
        ASSERT_GT(GetDateFormatW(0x419, DATE_SHORTDATE, &time, nullptr, expected, 64), 1);
        const std::string text = FormatShortDate(*EncodeDate(d.year, d.month, d.day), system_);
        wchar_t decoded[64] = {};
        const int length =
            MultiByteToWideChar(1251, 0, text.data(), static_cast<int>(text.size()), decoded, 63);
        EXPECT_EQ(std::wstring(decoded, static_cast<std::size_t>(length)), expected) << text;
    }
}

TEST_F(SystemLocaleTest, MonthNamesAreTheSystemsInCodePage1251) {
    for (int month = 1; month <= 12; ++month) {
        const std::string& name = system_.ShortMonthName(month);
        ASSERT_FALSE(name.empty()) << month;
        wchar_t expected[64] = {};
        ASSERT_GT(GetLocaleInfoW(0x419, LOCALE_SABBREVMONTHNAME1 + month - 1, expected, 64), 1);
        wchar_t decoded[64] = {};
        const int length =
            MultiByteToWideChar(1251, 0, name.data(), static_cast<int>(name.size()), decoded, 63);
        EXPECT_EQ(std::wstring(decoded, static_cast<std::size_t>(length)), expected) << month;
        // Russian abbreviations are Cyrillic letters, possibly with a closing dot.
        for (const char c : name) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0xC0 || c == '.') << month << ": " << Hex(byte);
        }
    }
}

} // namespace
} // namespace cobwen
