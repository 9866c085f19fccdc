#include "browser/app/main/core/PickerPlacement.h"

namespace cobwen {

PickerRect PlacePicker(const PickerRect& dropDown, int width, int height, int screenWidth,
                       int screenHeight) {
    int left = dropDown.Left;
    int top = dropDown.Bottom;
    if (left + width > screenWidth && width > dropDown.Right - dropDown.Left)
        left = dropDown.Right - width;
    if (top + height > screenHeight)
        top = dropDown.Top - height;
    return {left, top, left + width, top + height};
}

} // namespace cobwen
