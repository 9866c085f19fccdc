#pragma once

#include <cstdint>
#include <functional>

namespace cobwen {

// The four background colours of the catalogue list.
struct ListColours {
    std::uint32_t List = 0;       // preview text, odd rows when striped
    std::uint32_t Odd = 0;        // every second column when not striped
    std::uint32_t New = 0;        // new plug-ins
    std::uint32_t Downloaded = 0; // downloaded plug-ins

    friend bool operator==(const ListColours&, const ListColours&) = default;
};

// Scales the channels of a colour: the arguments of ScaleColor in its order (red numerator and
// denominator, then blue denominator and numerator, then green denominator and numerator).
using ColourScaling =
    std::function<std::uint32_t(std::uint32_t colour, int redNum, int redDen, int blueDen,
                                int blueNum, int greenDen, int greenNum)>;

// The list colours' defaults, shades of the system's window colour: the list colour 19/20 in every
// channel, the odd colour 19/20 in blue, the new colour 17/20 in blue, the downloaded colour 17/20
// in every channel.
ListColours DefaultListColours(std::uint32_t windowColour, const ColourScaling& scale);

} // namespace cobwen
