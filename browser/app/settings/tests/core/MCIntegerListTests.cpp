#include "browser/app/settings/core/MCIntegerList.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace cobwen {
namespace {

using Ids = std::vector<std::int32_t>;

TEST(MCIntegerList, AddKeepsTheOrderAndIgnoresAValueAlreadyPresent) {
    TMCIntegerList list;
    for (const std::int32_t value : {12, 0, 7, 12, 0, -1, 7})
        list.Add(value);
    EXPECT_EQ(list.Items(), (Ids{12, 0, 7, -1}));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.IndexOf(7), 2);
    EXPECT_EQ(list.IndexOf(5), -1);
    EXPECT_TRUE(list.Contains(-1));
}

TEST(MCIntegerList, RemovesByValueAndByIndex) {
    TMCIntegerList list;
    for (const std::int32_t value : {1, 2, 3, 4})
        list.Add(value);
    list.Remove(2);
    list.Remove(9); // not present: nothing happens
    EXPECT_EQ(list.Items(), (Ids{1, 3, 4}));
    list.Delete(0);
    EXPECT_EQ(list.Items(), (Ids{3, 4}));
    EXPECT_THROW(list.Delete(2), std::out_of_range);
    EXPECT_THROW(list.Delete(-1), std::out_of_range);
    // A removed value can be added again, at the end.
    list.Add(1);
    EXPECT_EQ(list.Items(), (Ids{3, 4, 1}));
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

} // namespace
} // namespace cobwen
