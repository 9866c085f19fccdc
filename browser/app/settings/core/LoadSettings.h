#pragma once

#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/settings/core/ListColours.h"
#include "browser/app/settings/core/SettingsStores.h"

namespace cobwen {

// Reads the whole settings store into `settings`, once, while the main window is created.
//
// The store is the registry unless its "Settings" section asks for the INI file (SaveToINI, true
// when missing) and the INI file exists; Settings.SaveToINI tells which one was used. Every key
// missing from the store takes its default: for the fonts, the window placement and the basket
// height the values `settings` holds on entry (the window's current ones; a missing font style is
// 0 all the same), for the colours `colourDefaults`, for the rest the designed defaults.
void LoadSettings(SettingsStores& stores, const ListColours& colourDefaults,
                  BrowserSettings& settings);

} // namespace cobwen
