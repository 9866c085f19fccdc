#include "win32/Text.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace win32 {
namespace {

TEST(Text, ConvertsCodePage1251AndUtf16BothWays) {
    const std::string cp1251 = "\xcf\xf0\xe8\xe2\xe5\xf2 \xb8 abc"; // "Привет ё abc"
    const std::wstring wide = L"\u041f\u0440\u0438\u0432\u0435\u0442 \u0451 abc";
    EXPECT_EQ(ToWide(cp1251, 1251), wide);
    EXPECT_EQ(FromWide(wide, 1251), cp1251);
    EXPECT_EQ(ToWide("", 1251), L"");
    EXPECT_EQ(FromWide(L"", 1251), "");
    EXPECT_EQ(FromWide(L"\u4e2d", 1251), "?") << "a character 1251 lacks";
    EXPECT_EQ(Recode("\xcf\xf0\xe8", 1251, CP_UTF8), "\xd0\x9f\xd1\x80\xd0\xb8");
}

TEST(Text, ConvertsBetweenAnsiAndOemCodePages) {
    if (GetACP() != 1251 || GetOEMCP() != 866)
        GTEST_SKIP() << "needs the Russian code pages (LANG=ru_RU.UTF-8 under Wine)";
    const std::string ansi = "\xcf\xf0\xe8\xe2\xe5\xf2 \xb8"; // "Привет ё" in 1251
    const std::string oem = "\x8f\xe0\xa8\xa2\xa5\xe2 \xf1";  // the same in 866
    EXPECT_EQ(OemFromAnsi(ansi), oem);
    EXPECT_EQ(AnsiFromOem(oem), ansi);
    EXPECT_EQ(OemFromAnsi(""), "");
    EXPECT_EQ(WideFromOem(oem), L"\u041f\u0440\u0438\u0432\u0435\u0442 \u0451");
    EXPECT_EQ(OemFromWide(L"\u041f\u0440\u0438\u0432\u0435\u0442 \u0451"), oem);
}

} // namespace
} // namespace win32
