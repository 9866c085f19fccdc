#include "browser/app/settings/win/SystemListColours.h"

#include "browser/catalogue/win/Color.h"

#include <windows.h>

namespace cobwen {

ListColours SystemListColours() {
    return DefaultListColours(GetSysColor(COLOR_WINDOW), ScaleColor);
}

} // namespace cobwen
