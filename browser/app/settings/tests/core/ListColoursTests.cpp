#include "browser/app/settings/core/ListColours.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

// Channel scaling with ScaleColor's order of arguments, without the display's nearest colour.
std::uint32_t Scale(std::uint32_t colour, int redNum, int redDen, int blueDen, int blueNum,
                    int greenDen, int greenNum) {
    const std::uint32_t red = (colour & 0xFF) * redNum / redDen;
    const std::uint32_t green = ((colour >> 8) & 0xFF) * greenNum / greenDen;
    const std::uint32_t blue = ((colour >> 16) & 0xFF) * blueNum / blueDen;
    return red | green << 8 | blue << 16;
}

constexpr std::uint32_t Rgb(std::uint32_t red, std::uint32_t green, std::uint32_t blue) {
    return red | green << 8 | blue << 16;
}

TEST(ListColours, DefaultsAreShadesOfTheWindowColour) {
    EXPECT_EQ(DefaultListColours(Rgb(255, 255, 255), Scale),
              (ListColours{Rgb(242, 242, 242), Rgb(255, 255, 242), Rgb(255, 255, 216),
                           Rgb(216, 216, 216)}));
    // Distinct channels show which channel each factor reaches.
    EXPECT_EQ(
        DefaultListColours(Rgb(40, 80, 200), Scale),
        (ListColours{Rgb(38, 76, 190), Rgb(40, 80, 190), Rgb(40, 80, 170), Rgb(34, 68, 170)}));
}

} // namespace
} // namespace cobwen
