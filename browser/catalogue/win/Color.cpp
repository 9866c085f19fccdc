#include "browser/catalogue/win/Color.h"

#include "win32/Gdi.h"

#include <algorithm>
#include <windows.h>

namespace cobwen {

namespace {

std::uint32_t ScaleChannel(std::uint32_t value, int numerator, int denominator) {
    const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
    if (denominator == 0)
        return product > 0 ? 255u : 0u;
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(product / denominator, 0, 255));
}

} // namespace

std::uint32_t ScaledColorValue(std::uint32_t colour, int redNum, int redDen, int blueDen,
                               int blueNum, int greenDen, int greenNum) {
    const std::uint32_t red = ScaleChannel(colour & 0xFF, redNum, redDen);
    const std::uint32_t green = ScaleChannel((colour >> 8) & 0xFF, greenNum, greenDen);
    const std::uint32_t blue = ScaleChannel((colour >> 16) & 0xFF, blueNum, blueDen);
    return red | (green << 8) | (blue << 16);
}

std::uint32_t ScaleColor(std::uint32_t colour, int redNum, int redDen, int blueDen, int blueNum,
                         int greenDen, int greenNum) {
    const std::uint32_t scaled =
        ScaledColorValue(colour, redNum, redDen, blueDen, blueNum, greenDen, greenNum);
    const win32::WindowDc dc(GetActiveWindow());
    if (!dc.Get())
        return scaled;
    const COLORREF nearest = GetNearestColor(dc.Get(), scaled);
    return nearest == CLR_INVALID ? scaled : nearest;
}

} // namespace cobwen
