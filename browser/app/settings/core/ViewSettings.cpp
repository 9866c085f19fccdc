#include "browser/app/settings/core/ViewSettings.h"

namespace cobwen {

FontSettings DesignedListFont() {
    return {"MS Sans Serif", DefaultCharset, WindowTextColour, 8, 0};
}

FontSettings DesignedPreviewFont() {
    return {"Tahoma", RussianCharset, 0x00800000u /* navy */, 8, 0};
}

} // namespace cobwen
