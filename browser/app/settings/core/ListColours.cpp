#include "browser/app/settings/core/ListColours.h"

namespace cobwen {

ListColours DefaultListColours(std::uint32_t windowColour, const ColourScaling& scale) {
    ListColours colours;
    colours.List = scale(windowColour, 19, 20, 20, 19, 20, 19);
    colours.Odd = scale(windowColour, 1, 1, 20, 19, 1, 1);
    colours.New = scale(windowColour, 1, 1, 20, 17, 1, 1);
    colours.Downloaded = scale(windowColour, 17, 20, 20, 17, 20, 17);
    return colours;
}

} // namespace cobwen
