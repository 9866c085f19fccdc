#include "standin/win/SystemText.h"

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

TEST(SystemText, ConvertsBetweenAnsiAndOemCodePages) {
    if (GetACP() != 1251 || GetOEMCP() != 866)
        GTEST_SKIP() << "needs the Russian code pages (LANG=ru_RU.UTF-8 under Wine)";
    std::string const ansi = "\xcf\xf0\xe8\xe2\xe5\xf2 \xb8"; // "Привет ё" in 1251
    std::string const oem = "\x8f\xe0\xa8\xa2\xa5\xe2 \xf1";  // the same in 866
    EXPECT_EQ(AnsiToOemText(ansi), oem);
    EXPECT_EQ(OemToAnsiText(oem), ansi);
    EXPECT_EQ(AnsiToOemText(""), "");
}

} // namespace
