#pragma once

#include "browser/app/main/win/SettingsFormDialogs.h"
#include "browser/app/main/win/WindowController.h"
#include "browser/app/settings/core/BrowserSettings.h"

#include <windows.h>

namespace cobwen {

class TCobwenArchive;
class TextLocale;

// What the settings dialog's controller needs of the main window.
class SettingsHost {
public:
    // The settings were confirmed with OK and are in place: the window applies them.
    virtual void SettingsChanged() = 0;

protected:
    ~SettingsHost() = default;
};

// "Настройки" (F9 and the toolbar button): runs the dialog on copies and hands them to the
// window only when confirmed. The store is written at exit, as before.
class SettingsController final : public WindowController {
public:
    struct Parts {
        BrowserSettings& Settings;
        const TCobwenArchive& Archive;
        const TextLocale& Locale;
        SettingsFormDialogs& Dialogs;
        HWND Window;
    };

    SettingsController(SettingsHost& host, Parts parts) : host_(host), parts_(parts) {}

    bool Run(Command command) override;
    void AddState(CommandState&) const override {}

private:
    SettingsHost& host_;
    Parts parts_;
};

} // namespace cobwen
