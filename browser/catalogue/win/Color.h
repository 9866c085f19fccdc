#pragma once

#include <cstdint>

namespace cobwen {

// A colour 0x00BBGGRR with each channel multiplied by its numerator and divided by its denominator
// (in 64 bits, truncated) and held within 0..255. A zero denominator gives 255 when the product
// of the channel and the numerator is positive, 0 otherwise. Note the order of the arguments:
// red numerator and denominator, then blue and green denominator before numerator.
std::uint32_t ScaledColorValue(std::uint32_t colour, int redNum, int redDen, int blueDen,
                               int blueNum, int greenDen, int greenNum);

// The scaled colour mapped to the nearest colour the device of the active window (or, without
// one, the screen) can show; the scaled colour itself when the mapping fails.
std::uint32_t ScaleColor(std::uint32_t colour, int redNum, int redDen, int blueDen, int blueNum,
                         int greenDen, int greenNum);

} // namespace cobwen
