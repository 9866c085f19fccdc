#include "browser/app/list/core/ListColumns.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

#include <climits>

namespace cobwen {
namespace {

TEST(ColumnText, ShowsDatesAsShortDatesAndLeavesMissingOnesEmpty) {
    const BuiltinRussianLocale locale;
    TCobwenData record = test::Record("Name");
    record.Date = *EncodeDate(2004, 3, 5) + 0.75;
    EXPECT_EQ(ColumnText(record, ListColumn::ReleaseDate, locale), "05.03.2004");
    for (DateTime none : {0.0, -1.0}) {
        record.Date = none;
        EXPECT_EQ(ColumnText(record, ListColumn::ReleaseDate, locale), "") << none;
    }
}

TEST(ColumnText, GroupsSizeDigitsInThreesWithBlanks) {
    const struct {
        std::int32_t size;
        const char* text;
    } cases[] = {
        {0, ""}, // every place of "### ### ### ###" is optional
        {7, "7"},
        {999, "999"},
        {1000, "1 000"},
        {74224, "74 224"},
        {1234567, "1 234 567"},
        {INT_MAX, "2 147 483 647"},
        {-1234, "-1 234"},
        {INT_MIN, "-2 147 483 648"},
    };
    const BuiltinRussianLocale locale;
    TCobwenData record = test::Record("Name");
    for (const auto& c : cases) {
        record.Size = c.size;
        EXPECT_EQ(ColumnText(record, ListColumn::Size, locale), c.text) << c.size;
    }
}

TEST(ColumnText, TakesTheTextColumnsFromTheirFields) {
    const BuiltinRussianLocale locale;
    TCobwenData record = test::Record("Name");
    record.Version = "2.1 beta";
    record.Category = test::Cp("Утилиты");
    EXPECT_EQ(ColumnText(record, ListColumn::Name, locale), "Name");
    EXPECT_EQ(ColumnText(record, ListColumn::Version, locale), "2.1 beta");
    EXPECT_EQ(ColumnText(record, ListColumn::Category, locale), test::Cp("Утилиты"));
}

} // namespace
} // namespace cobwen
