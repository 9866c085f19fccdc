#include "browser/app/listview/core/RowHeights.h"

#include <gtest/gtest.h>
#include <set>

namespace cobwen {
namespace {

// Rows 10 pixels high, every row whose position is a multiple of 5 is 35; remembers what it was
// asked to measure.
struct Fixture {
    std::multiset<int> measured;
    RowHeights heights{[this](int position) {
        measured.insert(position);
        return position % 5 == 0 ? 35 : 10;
    }};
};

TEST(RowHeights, MeasuresARowOnceUntilInvalidated) {
    Fixture f;
    f.heights.Invalidate(20);
    EXPECT_EQ(f.heights.Height(5), 35);
    EXPECT_EQ(f.heights.Height(5), 35);
    EXPECT_EQ(f.measured.count(5), 1u);
    f.heights.Invalidate(20);
    f.heights.Height(5);
    EXPECT_EQ(f.measured.count(5), 2u);
    EXPECT_EQ(f.heights.Height(20), 0) << "out of range";
    EXPECT_EQ(f.heights.Height(-1), 0);
}

TEST(RowHeights, ScrollingToTheEndOfManyRowsMeasuresOnlyTheLastPage) {
    Fixture f;
    f.heights.Invalidate(65535);
    const int last = f.heights.LastTop(100);
    // From the end: 65534 (10), 65533 (10), 65532 (10), 65531 (10), 65530 (35) = 75, 65529 → 85,
    // 65528 → 95, 65527 → 105 > 100.
    EXPECT_EQ(last, 65528);
    EXPECT_LT(f.measured.size(), 20u);
    EXPECT_EQ(*f.measured.begin(), 65527);
}

struct TopCase {
    const char* Name;
    int Position;
    int Top;
    int Expected;
    int View = 60;
};

class TopShowing : public testing::TestWithParam<TopCase> {};

TEST_P(TopShowing, BringsTheRowWholeIntoAView) {
    Fixture f;
    f.heights.Invalidate(100);
    EXPECT_EQ(f.heights.TopShowing(GetParam().Position, GetParam().Top, GetParam().View),
              GetParam().Expected);
}

// Rows 0, 5, 10, ... are 35 high, others 10.
INSTANTIATE_TEST_SUITE_P(
    Cases, TopShowing,
    testing::Values(TopCase{"AlreadyWhole", 3, 1, 1}, TopCase{"AboveBecomesFirst", 2, 6, 2},
                    TopCase{"FirstRowStays", 6, 6, 6},
                    // From 1: rows 1..4 take 40, row 5 (35) does not fit whole.
                    TopCase{"PartlyShownBecomesLast", 5, 1, 3},
                    TopCase{"FarBelowBecomesLast", 50, 0, 48},
                    TopCase{"TallerThanTheViewBecomesFirst", 50, 0, 50, 20},
                    TopCase{"OutOfRangeKeepsTheTop", 120, 7, 7}),
    [](const auto& caseInfo) { return std::string(caseInfo.param.Name); });

TEST(RowHeights, OffsetsAndHitTestAgree) {
    Fixture f;
    f.heights.Invalidate(30);
    EXPECT_EQ(f.heights.Offset(3, 7), 10 + 35 + 10 + 10);
    EXPECT_EQ(f.heights.Offset(7, 3), -(10 + 35 + 10 + 10));
    for (int position = 3; position < 12; ++position) {
        const long long y = f.heights.Offset(3, position);
        EXPECT_EQ(f.heights.PositionAt(3, static_cast<int>(y)), position);
        EXPECT_EQ(f.heights.PositionAt(3, static_cast<int>(y) + f.heights.Height(position) - 1),
                  position);
    }
    EXPECT_EQ(f.heights.PositionAt(25, 1000), -1) << "below the last row";
    EXPECT_EQ(f.heights.PositionAt(0, -1), -1);
}

TEST(RowHeights, FullyVisibleCountsWholeRowsAndAtLeastOne) {
    Fixture f;
    f.heights.Invalidate(12);
    EXPECT_EQ(f.heights.FullyVisible(1, 60), 4); // 1..4 = 40, with 5 it is 75
    EXPECT_EQ(f.heights.FullyVisible(0, 20), 1) << "a row taller than the view still counts";
    EXPECT_EQ(f.heights.FullyVisible(9, 1000), 3) << "up to the last row";
    f.heights.Invalidate(0);
    EXPECT_EQ(f.heights.FullyVisible(0, 100), 0);
    EXPECT_EQ(f.heights.LastTop(100), 0);
}

} // namespace
} // namespace cobwen
