#include "browser/app/main/win/SettingsController.h"

#include "browser/app/main/win/SettingsForm.h"

namespace cobwen {

bool SettingsController::Run(Command command) {
    if (command != Command::Settings)
        return false;
    TCobwenSettings settings = parts_.Settings.Settings;
    ViewSettings view = parts_.Settings.View;
    if (RunSettingsDialog(parts_.Window, settings, view, parts_.Archive, parts_.Locale,
                          parts_.Dialogs)) {
        parts_.Settings.Settings = settings;
        parts_.Settings.View = view;
        host_.SettingsChanged();
    }
    return true;
}

} // namespace cobwen
