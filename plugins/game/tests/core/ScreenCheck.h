#pragma once

// Reading the game's picture back from the host's virtual screen.

#include "plugins/game/tests/core/GameFixture.h"

#include <string>

namespace blocksby::test {

using ulvar::standin::VirtualScreen;

inline const char Block = '\xDB';
inline const std::string FilledCell(2, Block);

// Every cell of the range has this colour.
::testing::AssertionResult ColourIs(const VirtualScreen& screen, int x, int y, int length,
                                    int colour);
// The text at (x, y) and its colour.
::testing::AssertionResult TextIs(const VirtualScreen& screen, int x, int y,
                                  const std::string& text, int colour);
// A number right-aligned to end at column 37 of the field, after ten blanks from column 28.
::testing::AssertionResult NumberIs(const VirtualScreen& screen, Origin o, int row,
                                    const std::string& number, int colour);
// The status text centred in the bottom line of the frame.
::testing::AssertionResult StatusIs(const VirtualScreen& screen, Origin o, const std::string& text,
                                    int colour);
// A well cell: a block of two characters in the colour, or ". " in colour 7 when colour is 0.
::testing::AssertionResult WellCellIs(const VirtualScreen& screen, Origin o, int column, int row,
                                      int colour);
// The well's 10 x 23 cells as text, "#" for a block and "." for an empty cell.
std::string WellPicture(const VirtualScreen& screen, Origin o);

} // namespace blocksby::test
