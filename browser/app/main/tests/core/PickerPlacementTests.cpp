#include "browser/app/main/core/PickerPlacement.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

struct PlacementCase {
    const char* name;
    PickerRect dropDown;
    PickerRect expected;
};

// A 342 x 208 picker on a 1024 x 768 screen.
const PlacementCase Cases[] = {
    {"below, left edges aligned", {10, 100, 200, 122}, {10, 122, 352, 330}},
    {"crossing the right edge: right edges aligned", {800, 100, 1000, 122}, {658, 122, 1000, 330}},
    {"crossing the bottom edge: above", {10, 600, 200, 622}, {10, 392, 352, 600}},
    {"both", {800, 600, 1000, 622}, {658, 392, 1000, 600}},
    {"a drop-down wider than the picker keeps its left edge",
     {700, 100, 1100, 122},
     {700, 122, 1042, 330}},
};

TEST(PickerPlacement, FollowsTheScreenEdges) {
    for (const PlacementCase& c : Cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PlacePicker(c.dropDown, 342, 208, 1024, 768), c.expected);
    }
}

} // namespace
} // namespace cobwen
