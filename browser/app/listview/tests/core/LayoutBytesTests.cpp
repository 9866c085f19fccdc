#include "browser/app/listview/core/LayoutBytes.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

ListLayout Sample() {
    ListLayout layout;
    layout.Widths = {281, 112, 179, 0, 124};
    layout.Visible = {true, true, false, false, true};
    layout.Order = {4, 0, 2, 1, 3};
    layout.SortColumn = 3;
    layout.Direction = 2;
    return layout;
}

TEST(LayoutBytes, RoundTrips) {
    const auto decoded = DecodeLayout(EncodeLayout(Sample()), 5);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Widths, Sample().Widths);
    EXPECT_EQ(decoded->Visible, Sample().Visible);
    EXPECT_EQ(decoded->Order, Sample().Order);
    EXPECT_EQ(decoded->SortColumn, 3);
    EXPECT_EQ(decoded->Direction, 2);
}

TEST(LayoutBytes, UnsortedRoundTrips) {
    ListLayout layout = Sample();
    layout.SortColumn = -1;
    layout.Direction = 0;
    const auto decoded = DecodeLayout(EncodeLayout(layout), 5);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->SortColumn, -1);
}

TEST(LayoutBytes, RefusesWhatItCannotRead) {
    const std::string good = EncodeLayout(Sample());
    const std::string bad[] = {
        "",
        "garbage",
        std::string("\0\1\2\3", 4),
        good.substr(0, good.size() - 3),
        good + " extra",
        "RL2" + good.substr(3),
        "RL1 w=281,112,179,0,124 v=1,1,0,0,1 o=4,0,2,1,1 s=3,2",  // order not a permutation
        "RL1 w=281,112,179,0,124 v=1,1,0,0,1 o=4,0,2,1,5 s=3,2",  // column out of range
        "RL1 w=281,112,179,0,124 v=1,1,0,0,1 o=4,0,2,1,3 s=5,2",  // sort column out of range
        "RL1 w=281,112,179,0,124 v=1,1,0,0,1 o=4,0,2,1,3 s=3,3",  // no such direction
        "RL1 w=281,112,179,0,-1 v=1,1,0,0,1 o=4,0,2,1,3 s=3,2",   // negative width
        "RL1 w=281,112,179,0,124 v=1,1,0,0,2 o=4,0,2,1,3 s=3,2",  // not a flag
        "RL1 w=281,112,179,0,124, v=1,1,0,0,1 o=4,0,2,1,3 s=3,2", // trailing comma
        "RL1 w=281,112,179,0,x v=1,1,0,0,1 o=4,0,2,1,3 s=3,2",    // not a number
        "RL1 w=281,112,179,0 v=1,1,0,0 o=3,0,2,1 s=3,2",          // four columns
        "RL1 v=1,1,0,0,1 w=281,112,179,0,124 o=4,0,2,1,3 s=3,2",  // fields swapped
    };
    for (const auto& text : bad)
        EXPECT_FALSE(DecodeLayout(text, 5)) << text;
    EXPECT_FALSE(DecodeLayout(good, 4)) << "another set of columns";
}

} // namespace
} // namespace cobwen
