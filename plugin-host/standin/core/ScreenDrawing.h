#pragma once

// Frames and texts the host draws for its own menus, dialogs, messages and panels, in the box
// characters of the console's OEM code page.

#include "plugin-host/standin/core/VirtualScreen.h"

#include <string>
#include <string_view>

namespace ulvar::standin {

namespace oem {
inline constexpr char DoubleTopLeft = '\xC9', DoubleTopRight = '\xBB';
inline constexpr char DoubleBottomLeft = '\xC8', DoubleBottomRight = '\xBC';
inline constexpr char DoubleHorizontal = '\xCD', DoubleVertical = '\xBA';
inline constexpr char SingleTopLeft = '\xDA', SingleTopRight = '\xBF';
inline constexpr char SingleBottomLeft = '\xC0', SingleBottomRight = '\xD9';
inline constexpr char SingleHorizontal = '\xC4', SingleVertical = '\xB3';
inline constexpr char DoubleToSingleLeft = '\xC7', DoubleToSingleRight = '\xB6';
inline constexpr char CheckMark = '\xFB';
} // namespace oem

// A frame on (left, top)-(right, bottom) with the inside filled with blanks; the title sits in
// the top line, centred or at the left, with a blank on each side.
void DrawBox(VirtualScreen& screen, int left, int top, int right, int bottom, bool doubleLine,
             int colour, std::string_view title = {}, bool titleLeft = false);
// A horizontal line from left to right that joins a double frame's sides.
void DrawSeparator(VirtualScreen& screen, int left, int right, int y, int colour,
                   std::string_view title = {}, bool doubleLine = false);
// A text cut or padded with blanks to width.
std::string Fit(std::string_view text, int width);
// The text without the '&' marks of hot keys ("&&" stays one '&').
std::string WithoutAmpersands(std::string_view text);

} // namespace ulvar::standin
