#include "plugin-host/standin/win/SystemText.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace ulvar::standin;

namespace {

TEST(SystemText, ErrorTextHasNoLineEnd) {
    std::string const text = SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_EQ(SystemErrorText(0x2BADF00D), "Error 732819469");
}

} // namespace
