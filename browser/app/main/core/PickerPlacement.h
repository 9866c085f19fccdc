#pragma once

namespace cobwen {

struct PickerRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const PickerRect&, const PickerRect&) = default;
};

// Where the value picker opens for a drop-down (screen coordinates): below it, left edges aligned;
// right edges aligned instead when it would cross the screen's right edge and is wider than the
// drop-down; above it when it would cross the screen's bottom edge.
PickerRect PlacePicker(const PickerRect& dropDown, int width, int height, int screenWidth,
                       int screenHeight);

} // namespace cobwen
