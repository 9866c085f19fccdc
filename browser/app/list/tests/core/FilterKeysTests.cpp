#include "browser/app/list/core/FilterKeys.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(FilterOfDigitKey, StepsTheDropDownsButNotTheNameFilter) {
    EXPECT_EQ(FilterOfDigitKey(1), Filter::Category);
    EXPECT_EQ(FilterOfDigitKey(3), Filter::Released);
    EXPECT_EQ(FilterOfDigitKey(5), Filter::HasSources);
    EXPECT_EQ(FilterOfDigitKey(7), Filter::WindowsVersion);
    for (int digit : {0, 4, 8, 9}) {
        EXPECT_EQ(FilterOfDigitKey(digit), std::nullopt) << digit;
    }
}

TEST(StepDropDown, MovesWithWrapAndSwitchesADisabledFilterOn) {
    const struct {
        const char* what;
        int count, selected;
        bool enabled, shift;
        bool enable;
        int index;
    } cases[] = {
        {"1 with the filter off: on, the second value", 5, 0, false, false, true, 1},
        {"1 with the filter off and nothing selected: the first", 5, -1, false, false, true, 0},
        {"next", 5, 1, true, false, false, 2},
        {"after the last the first", 5, 4, true, false, false, 0},
        {"Shift+3 from the first period: the last", 6, 0, true, true, false, 5},
        {"Shift, nothing selected: the last", 6, -1, true, true, false, 5},
        {"Shift: the previous", 6, 3, true, true, false, 2},
        {"one value stays", 1, 0, true, false, false, 0},
        {"a selection beyond the values counts as none", 3, 7, true, false, false, 0},
    };
    for (const auto& c : cases) {
        const auto step = StepDropDown(c.count, c.selected, c.enabled, c.shift);
        ASSERT_TRUE(step.has_value()) << c.what;
        EXPECT_EQ(step->Enable, c.enable) << c.what;
        EXPECT_EQ(step->NewIndex, c.index) << c.what;
    }
}

TEST(StepDropDown, WithoutValuesDoesNothing) {
    EXPECT_EQ(StepDropDown(0, -1, false, false), std::nullopt);
    EXPECT_EQ(StepDropDown(0, -1, true, true), std::nullopt);
}

} // namespace
} // namespace cobwen
