#include "browser/app/settings/core/ViewSettings.h"

namespace cobwen {

TFontSettings DesignedListFont() {
    return {"MS Sans Serif", kDefaultCharset, kWindowTextColour, 8, 0};
}

TFontSettings DesignedPreviewFont() {
    return {"Tahoma", kRussianCharset, 0x00800000u /* navy */, 8, 0};
}

} // namespace cobwen
