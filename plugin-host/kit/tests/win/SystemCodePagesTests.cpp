#include "plugin-host/kit/win/SystemCodePages.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace ulvar::kit::win {
namespace {

TEST(SystemCodePagesTest, PlainAsciiPassesUnchanged) {
    const std::string ascii = "Blocksby 1.0 (C:\\Ulvar)";
    EXPECT_EQ(SystemCodePages().AnsiFromOem(ascii), ascii);
    EXPECT_EQ(SystemCodePages().OemFromAnsi(ascii), ascii);
}

TEST(SystemCodePagesTest, CyrillicMovesBetween866And1251) {
    if (GetOEMCP() != 866 || GetACP() != 1251)
        GTEST_SKIP() << "needs the Russian code pages (LANG=ru_RU.UTF-8)";
    // "Очки: №" in code page 866 and in code page 1251.
    const std::string oem = "\x8e\xe7\xaa\xa8: \xfc";
    const std::string ansi = "\xce\xf7\xea\xe8: \xb9";
    EXPECT_EQ(SystemCodePages().AnsiFromOem(oem), ansi);
    EXPECT_EQ(SystemCodePages().OemFromAnsi(ansi), oem);
}

} // namespace
} // namespace ulvar::kit::win
