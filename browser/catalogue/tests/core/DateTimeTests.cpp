#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/core/DateTime.h"
#include "browser/catalogue/core/TextLocale.h"

#include <cmath>
#include <ctime>
#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(DateTime, EncodesDayNumbersFromTheEndOf1899) {
    struct Case {
        int y, m, d;
        double expected;
    };
    const Case cases[] = {
        {1899, 12, 30, 0},    {1899, 12, 31, 1},    {1900, 1, 1, 2},    {1900, 3, 1, 61},
        {2004, 3, 15, 38061}, {2000, 2, 29, 36585}, {1899, 12, 29, -1},
    };
    for (const auto& c : cases) {
        const auto value = EncodeDate(c.y, c.m, c.d);
        ASSERT_TRUE(value.has_value()) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(*value, c.expected) << c.y << "-" << c.m << "-" << c.d;
        const DateParts back = DecodeDateTime(*value);
        EXPECT_EQ(back.year * 10000 + back.month * 100 + back.day, c.y * 10000 + c.m * 100 + c.d);
    }
    EXPECT_FALSE(EncodeDate(2003, 2, 29));
    EXPECT_FALSE(EncodeDate(2004, 13, 1));
    EXPECT_FALSE(EncodeDate(2004, 4, 31));
    EXPECT_FALSE(EncodeDate(0, 1, 1));
}

TEST(DateTime, DecodesTimeOfDay) {
    const double value = *EncodeDate(2010, 7, 4) + EncodeTime(23, 59, 58);
    const DateParts p = DecodeDateTime(value);
    EXPECT_EQ(p.day, 4);
    EXPECT_EQ(p.hour, 23);
    EXPECT_EQ(p.minute, 59);
    EXPECT_EQ(p.second, 58);
}

TEST(DateTime, ReadsDayMonthYear) {
    struct Case {
        const char* text;
        double expected; // 0: not a date
    };
    const double march15 = *EncodeDate(2004, 3, 15);
    const Case cases[] = {
        {"15.03.2004", march15},   {"15.3.2004", march15},
        {" 15.03.2004 ", march15}, {"2004.03.15", 0},
        {"2004-03-15", 0},         {"31.02.2004", 0},
        {"15.03.2004x", 0},        {"", 0},
        {"15..2004", 0},           {"15/03/2004", 0},
        {"29.02.2000", 36585},     {"1.1.1900", 2},
        {"99999999999.1.1", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadDate(c.text, '.').value_or(0), c.expected) << '"' << c.text << '"';
    }
}

TEST(DateTime, ReadsShortYearsAndMissingYearNearToday) {
    std::time_t t = std::time(nullptr);
    std::tm now{};
#ifdef _WIN32
    localtime_s(&now, &t);
#else
    localtime_r(&t, &now);
#endif
    const int year = now.tm_year + 1900;
    EXPECT_EQ(ReadDate("1.2", '.').value_or(0), EncodeDate(year, 2, 1).value_or(-1));
    const DateParts shortYear = DecodeDateTime(ReadDate("1.2.05", '.').value_or(0));
    EXPECT_EQ(shortYear.year % 100, 5);
    EXPECT_LE(std::abs(shortYear.year - year), 50);
}

TEST(DateTime, TodayIsNowWithoutTime) {
    const double now = Now();
    const double today = Today();
    EXPECT_EQ(today, std::trunc(today));
    EXPECT_LE(today, now);
    EXPECT_LT(now - today, 1.0);
    EXPECT_GT(today, *EncodeDate(2020, 1, 1));
}

TEST(DateTime, FormatsFileDatesAndIsoDates) {
    const BuiltinRussianLocale locale;
    const double value = *EncodeDate(2004, 3, 5) + EncodeTime(7, 8, 9);
    EXPECT_EQ(Cp1251ToUtf8(FormatFileDate(value, locale)), "5 мар 2004 (07:08:09)");
    EXPECT_EQ(FormatIsoDate(value), "2004-03-05");
    EXPECT_EQ(FormatIsoDate(*EncodeDate(1999, 12, 31)), "1999-12-31");
}

TEST(DateTime, FormatsDatesAfterAPicture) {
    const BuiltinRussianLocale locale;
    const double march5 = *EncodeDate(2004, 3, 5) + EncodeTime(23, 0, 0);
    const double december31 = *EncodeDate(1999, 12, 31);
    const struct {
        double value;
        const char* picture;
        const char* expected; // UTF-8
    } cases[] = {
        {march5, "dd.MM.yyyy", "05.03.2004"},
        {march5, "d.M.yy", "5.3.04"},
        {march5, "d/M/y", "5/3/4"},
        {march5, "yyyy-MM-dd", "2004-03-05"},
        {march5, "d MMM yyyy", "5 мар 2004"},
        {march5, "dd'.'MM' d 'yyyy", "05.03 d 2004"},
        {march5, "dd''MM", "05'03"},
        {march5, "gg yyyy", " 2004"},
        {december31, "dd.MM.yyyy", "31.12.1999"},
        {december31, "yy", "99"},
        {0, "dd.MM.yyyy", "30.12.1899"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Cp1251ToUtf8(FormatDate(c.value, c.picture, locale)), c.expected) << c.picture;
    }
    EXPECT_EQ(locale.ShortDateFormat(), "dd.MM.yyyy");
    EXPECT_EQ(FormatShortDate(march5, locale), "05.03.2004");
}

} // namespace
} // namespace cobwen
