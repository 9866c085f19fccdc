#include "browser/app/settings/win/SystemListColours.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

TEST(SystemListColours, AreShadesOfTheWindowColour) {
    if (GetSysColor(COLOR_WINDOW) != RGB(255, 255, 255))
        GTEST_SKIP() << "the expected shades are those of a white window colour";
    EXPECT_EQ(SystemListColours(), (ListColours{RGB(242, 242, 242), RGB(255, 255, 242),
                                                RGB(255, 255, 216), RGB(216, 216, 216)}));
}

} // namespace
} // namespace cobwen
