#pragma once

#include "browser/app/settings/core/BrowserSettings.h"
#include "browser/app/settings/core/SavePrompt.h"
#include "browser/app/settings/core/SettingsStores.h"

#include <string>

namespace cobwen {

// Writes the settings back, once, when the main window closes.
//
// Settings.SaveToINI goes into the registry's "Settings" section (and nowhere else): always in
// registry mode, in INI mode only when that section exists. In INI mode the settings go to the INI
// file; if the registry has no "Settings" section, the program's (then empty) registry key and the
// vendor's key are deleted first. A failed write is offered once more through `prompt`; after a
// second failure `prompt` shows the error. Nothing written before a failure is undone. In registry
// mode the list layouts present in `settings` are saved last.
void SaveSettings(SettingsStores& stores, const BrowserSettings& settings, SavePrompt& prompt);

// The texts of a failed save, naming the INI file (code page 1251).
std::string SaveRetryQuestion(const std::string& iniPath);
std::string SaveFailureMessage(const std::string& iniPath);

} // namespace cobwen
