// settings-demo: the settings dialog on one of its pages, for looking at it and for the README's
// pictures. Arguments: the page (0 to 3) and, optionally, a catalogue file for the sample rows.
#include "browser/app/main/win/SettingsForm.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/win/SystemLocale.h"

#include <commctrl.h>
#include <cwchar>
#include <shellapi.h>

namespace {

int page = 0;

void CALLBACK TurnToPage(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND dialog = FindWindowW(cobwen::SettingsFormClass, nullptr);
    if (!dialog || !IsWindowVisible(dialog))
        return;
    KillTimer(nullptr, timer);
    const HWND tabs = GetDlgItem(dialog, cobwen::IdPages);
    SendMessageW(tabs, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header{tabs, static_cast<UINT_PTR>(cobwen::IdPages), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(dialog, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, wchar_t*, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count > 1)
        page = static_cast<int>(std::wcstol(arguments[1], nullptr, 10));
    cobwen::SystemTextLocale locale;
    cobwen::TCobwenArchive archive(locale);
    archive.Language = 1;
    if (count > 2)
        archive.LoadFromFile(arguments[2]);
    LocalFree(arguments);

    cobwen::TCobwenSettings settings;
    settings.Proxy.ProxyAccess = cobwen::ProxyAccessMode::Given;
    settings.Proxy.ProxyHost = "proxy.example:3128";
    settings.Proxy.ProxyAuthRequired = true;
    settings.Proxy.ProxyUserName = "user";
    settings.Proxy.ProxyPassword = "secret";
    settings.CheckForUpdates = true;
    settings.StatusInfoFormat = "%Name %Ver";
    cobwen::ViewSettings view;
    view.ColorList = RGB(242, 242, 242);
    view.ColorOdd = RGB(255, 255, 242);
    view.ColorNew = RGB(255, 255, 217);
    view.ColorDownloaded = RGB(217, 217, 217);
    cobwen::SystemSettingsFormDialogs dialogs;
    SetTimer(nullptr, 0, 50, TurnToPage);
    return cobwen::RunSettingsDialog(nullptr, settings, view, archive, locale, dialogs) ? 0 : 1;
}
