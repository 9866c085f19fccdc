#include "browser/app/list/core/CompareRows.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

#include <climits>

namespace cobwen {
namespace {

using test::Record;

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

TEST(CompareRows, OrdersEachColumnByItsKind) {
    const struct {
        const char* what;
        ListColumn column;
        void (*a)(TCobwenData&);
        void (*b)(TCobwenData&);
        int sign;
    } cases[] = {
        {"capital Z before small a", ListColumn::Name, [](TCobwenData& r) { r.Name = "Zip"; },
         [](TCobwenData& r) { r.Name = "arj"; }, -1},
        {"bytes above 0x7F after Latin", ListColumn::Name,
         [](TCobwenData& r) { r.Name = test::Cp("Архив"); }, [](TCobwenData& r) { r.Name = "zip"; },
         1},
        {"a prefix first", ListColumn::Name, [](TCobwenData& r) { r.Name = "Zip"; },
         [](TCobwenData& r) { r.Name = "Zip2"; }, -1},
        {"equal names", ListColumn::Name, [](TCobwenData& r) { r.Name = "Zip"; },
         [](TCobwenData& r) { r.Name = "Zip"; }, 0},
        {"version as text", ListColumn::Version, [](TCobwenData& r) { r.Version = "10"; },
         [](TCobwenData& r) { r.Version = "9"; }, -1},
        {"category case-sensitive", ListColumn::Category,
         [](TCobwenData& r) { r.Category = "tools"; }, [](TCobwenData& r) { r.Category = "Tools"; },
         1},
        {"size as a number", ListColumn::Size, [](TCobwenData& r) { r.Size = 10; },
         [](TCobwenData& r) { r.Size = 9; }, 1},
        {"sizes far apart", ListColumn::Size, [](TCobwenData& r) { r.Size = INT_MIN; },
         [](TCobwenData& r) { r.Size = INT_MAX; }, -1},
        {"earlier date first", ListColumn::ReleaseDate, [](TCobwenData& r) { r.Date = 38000.9; },
         [](TCobwenData& r) { r.Date = 38001.1; }, -1},
        {"same day, other time", ListColumn::ReleaseDate, [](TCobwenData& r) { r.Date = 38000.1; },
         [](TCobwenData& r) { r.Date = 38000.9; }, 0},
        {"no date equals a date", ListColumn::ReleaseDate, [](TCobwenData& r) { r.Date = 0; },
         [](TCobwenData& r) { r.Date = 38000; }, 0},
        {"a date equals no date", ListColumn::ReleaseDate, [](TCobwenData& r) { r.Date = 38000; },
         [](TCobwenData& r) { r.Date = 0; }, 0},
    };
    for (const auto& c : cases) {
        TCobwenData a = Record("A");
        TCobwenData b = Record("B");
        c.a(a);
        c.b(b);
        EXPECT_EQ(Sign(CompareRows(&a, &b, {c.column, SortDirection::Ascending})), c.sign)
            << c.what;
        EXPECT_EQ(Sign(CompareRows(&a, &b, {c.column, SortDirection::Descending})), -c.sign)
            << c.what << " (descending)";
    }
}

TEST(CompareRows, DateDifferenceIsInWholeDays) {
    TCobwenData a = Record("A");
    TCobwenData b = Record("B");
    a.Date = 38010.2;
    b.Date = 38000.7;
    EXPECT_EQ(CompareRows(&a, &b, InitialCatalogueSort), 10);
}

TEST(CompareRows, WithoutSortColumnOrRecordEverythingIsEqual) {
    TCobwenData a = Record("A");
    TCobwenData b = Record("B");
    EXPECT_EQ(CompareRows(&a, &b, {}), 0);
    EXPECT_EQ(CompareRows(nullptr, &b, {ListColumn::Name}), 0);
    EXPECT_EQ(CompareRows(&a, nullptr, {ListColumn::Name}), 0);
}

} // namespace
} // namespace cobwen
