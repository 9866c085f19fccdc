#include "plugins/game/tests/core/ScreenCheck.h"

#include <cstdio>

namespace blocksby::test {
namespace {

std::string Hex(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", value & 0xFF);
    return text;
}

} // namespace

::testing::AssertionResult ColourIs(const VirtualScreen& screen, int x, int y, int length,
                                    int colour) {
    for (int i = 0; i < length; ++i) {
        if (screen.AttrAt(x + i, y) != (colour & 0xFF)) {
            return ::testing::AssertionFailure()
                   << "colour at (" << x + i << ", " << y << ") is " << Hex(screen.AttrAt(x + i, y))
                   << ", expected " << Hex(colour);
        }
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TextIs(const VirtualScreen& screen, int x, int y,
                                  const std::string& text, int colour) {
    const std::string found = screen.TextAt(x, y, static_cast<int>(text.size()));
    if (found != text) {
        return ::testing::AssertionFailure() << "text at (" << x << ", " << y << ") is \"" << found
                                             << "\", expected \"" << text << "\"";
    }
    return ColourIs(screen, x, y, static_cast<int>(text.size()), colour);
}

::testing::AssertionResult NumberIs(const VirtualScreen& screen, Origin o, int row,
                                    const std::string& number, int colour) {
    const std::string field = std::string(10 - number.size(), ' ') + number;
    return TextIs(screen, o.x + 28, o.y + row, field, colour);
}

::testing::AssertionResult StatusIs(const VirtualScreen& screen, Origin o, const std::string& text,
                                    int colour) {
    const int x = o.x + 3 + (38 - static_cast<int>(text.size())) / 2;
    return TextIs(screen, x, o.y + 24, " " + text + " ", colour);
}

::testing::AssertionResult WellCellIs(const VirtualScreen& screen, Origin o, int column, int row,
                                      int colour) {
    if (colour == 0) {
        return TextIs(screen, CellX(o, column), CellY(o, row), ". ", 0x07);
    }
    return TextIs(screen, CellX(o, column), CellY(o, row), FilledCell, colour);
}

std::string WellPicture(const VirtualScreen& screen, Origin o) {
    std::string picture;
    for (int row = 0; row < 23; ++row) {
        for (int column = 0; column < 10; ++column) {
            picture += screen.CharAt(CellX(o, column), CellY(o, row)) == Block ? '#' : '.';
        }
        picture += '\n';
    }
    return picture;
}

} // namespace blocksby::test
