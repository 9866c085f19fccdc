#include "browser/app/list/core/SetFilterFromRow.h"

#include "browser/catalogue/core/TextLocale.h"

#include "browser/app/list/tests/core/Records.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::Cp;

// Every filter on, each drop-down on its second value.
FilterSettings AllOn(bool offOther) {
    return {true, true, true, true, true, true, true, 1, 1, 1, 1, 1, 1, "zip", offOther};
}

class SetFilterFromRowTest : public testing::Test {
protected:
    SetFilterFromRowTest() {
        lists.Category = {"Games", "Tools", Cp("Утилиты")};
        lists.Author = {"Anna", Cp("Иван Петров"), "Zed"};
        record.Category = Cp("УТИЛИТЫ");
        record.Author = Cp("иван петров");
    }

    const BuiltinRussianLocale locale;
    FilterLists lists;
    TCobwenData record = test::Record("Zip");
};

TEST_F(SetFilterFromRowTest, ByCategoryWithTheSwitchKeepsTheWindowsVersionFilter) {
    FilterSettings panel = AllOn(true);
    panel.UseCategory = false;
    const FilterSettings result = SetFilterFromRow(panel, Filter::Category, record, lists, locale);
    FilterSettings expected = AllOn(true);
    expected.Category = 2; // found without regard to case
    expected.UseAuthor = expected.UseRelease = expected.UseName = false;
    expected.HasSources = expected.UseUlvarVersion = false;
    EXPECT_EQ(result, expected);
}

TEST_F(SetFilterFromRowTest, ByAuthorWithTheSwitchUnchecksTheOthers) {
    FilterSettings panel = AllOn(true);
    panel.UseWindowsVersion = false;
    const FilterSettings result = SetFilterFromRow(panel, Filter::Author, record, lists, locale);
    FilterSettings expected = AllOn(true);
    expected.Author = 1;
    expected.UseCategory = expected.UseRelease = expected.UseName = false;
    expected.HasSources = expected.UseUlvarVersion = expected.UseWindowsVersion = false;
    EXPECT_EQ(result, expected);
}

TEST_F(SetFilterFromRowTest, WithoutTheSwitchOnlyTheChosenFilterChanges) {
    FilterSettings panel;
    panel.UseRelease = true;
    panel.Author = 2;
    const FilterSettings result = SetFilterFromRow(panel, Filter::Category, record, lists, locale);
    FilterSettings expected = panel;
    expected.UseCategory = true;
    expected.Category = 2;
    EXPECT_EQ(result, expected);
}

TEST_F(SetFilterFromRowTest, AValueNotOfferedSelectsNothing) {
    record.Category = "Unknown";
    const FilterSettings result =
        SetFilterFromRow(FilterSettings{}, Filter::Category, record, lists, locale);
    EXPECT_TRUE(result.UseCategory);
    EXPECT_EQ(result.Category, -1);
}

} // namespace
} // namespace cobwen
