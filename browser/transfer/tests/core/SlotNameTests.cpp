#include "browser/transfer/core/SlotName.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

TEST(SlotName, SessionIdInSixteenUpperCaseDigitsHighHalfFirst) {
    EXPECT_EQ(SlotName(LogonSessionId{0x1, 0xABCDEF}),
              "DF-{5536AD7E-D679FE070E9B}-0000000100ABCDEF");
    EXPECT_EQ(SlotName(LogonSessionId{0, 0}), "DF-{5536AD7E-D679FE070E9B}-0000000000000000");
    EXPECT_EQ(SlotName(std::nullopt), "DF-{5536AD7E-D679FE070E9B}");
}

TEST(SlotName, SemaphoreNameCarriesTheCapacity) {
    EXPECT_EQ(SlotSemaphoreName("DF-{X}-01", 2), "DFDF-{X}-01-2");
    EXPECT_NE(SlotSemaphoreName("S", 1), SlotSemaphoreName("S", 10));
}

} // namespace
} // namespace cobwen
