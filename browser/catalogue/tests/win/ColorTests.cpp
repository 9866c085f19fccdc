#include "browser/catalogue/win/Color.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace cobwen {
namespace {

TEST(ScaledColorValue, ScalesEachChannelByItsOwnFraction) {
    // Arguments: red numerator, red denominator, blue denominator, blue numerator,
    // green denominator, green numerator.
    const struct {
        const char* what;
        std::uint32_t colour;
        int redNum, redDen, blueDen, blueNum, greenDen, greenNum;
        std::uint32_t expected;
    } cases[] = {
        {"identity", 0x123456, 1, 1, 1, 1, 1, 1, 0x123456},
        {"red halves", 0x0000FF, 1, 2, 1, 1, 1, 1, 0x00007F},
        {"green halves", 0x00FF00, 1, 1, 1, 1, 2, 1, 0x007F00},
        {"blue halves", 0xFF0000, 1, 1, 2, 1, 1, 1, 0x7F0000},
        {"blue denominator before numerator", 0x400000, 1, 1, 4, 3, 1, 1, 0x300000},
        {"green denominator before numerator", 0x004000, 1, 1, 1, 1, 4, 3, 0x003000},
        {"odd channel truncates without touching its neighbour", 0x010101, 1, 2, 2, 1, 2, 1,
         0x000000},
        {"clamped at 255", 0x808080, 3, 1, 1, 3, 1, 3, 0xFFFFFF},
        {"64-bit product", 0x0000FF, 2000000000, 1000000000, 1, 1, 1, 1, 0x0000FF},
        {"64-bit product, divided back", 0x0000C8, 2000000000, 2000000000, 1, 1, 1, 1, 0x0000C8},
        {"negative factor gives 0", 0x000080, -1, 1, 1, 1, 1, 1, 0x000000},
        {"zero denominator with a channel", 0x000010, 1, 0, 1, 1, 1, 1, 0x0000FF},
        {"zero denominator without a channel", 0x000000, 1, 0, 1, 1, 1, 1, 0x000000},
        {"zero denominator and numerator", 0x000010, 0, 0, 1, 1, 1, 1, 0x000000},
        {"high byte dropped", 0xFF102030, 1, 1, 1, 1, 1, 1, 0x102030},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ScaledColorValue(c.colour, c.redNum, c.redDen, c.blueDen, c.blueNum, c.greenDen,
                                   c.greenNum),
                  c.expected)
            << c.what;
}

TEST(ScaleColor, OnATrueColourScreenIsTheScaledColour) {
    const HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
    ReleaseDC(nullptr, screen);
    if (bits < 24)
        GTEST_SKIP() << "the screen shows " << bits << " bits per pixel";
    EXPECT_EQ(ScaleColor(0x406080, 3, 4, 2, 1, 5, 4), 0x204C60u);
    EXPECT_EQ(ScaleColor(0x123457, 1, 1, 1, 1, 1, 1), 0x123457u);
}

} // namespace
} // namespace cobwen
