// cobwen.exe: the catalogue browser's window and message loop.
#include "browser/app/main/win/MainForm.h"
#include "browser/catalogue/core/Cp1251.h"
#include "win32/Text.h"
#include "win32/WindowProc.h"

#include <commctrl.h>
#include <shellapi.h>

namespace {

// "--site HOST[:PORT]" points the browser at another catalogue site, such as a local one.
std::string SiteOption() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::string site;
    for (int i = 1; arguments && i + 1 < count; ++i)
        if (std::wstring_view(arguments[i]) == L"--site")
            site = win32::FromWide(arguments[i + 1], cobwen::BrowserCodePage);
    LocalFree(arguments);
    return site;
}

int Run() {
    // Dates, sizes and comparisons follow the Russian locale whatever the user's own is.
    SetThreadLocale(MAKELCID(MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT), SORT_DEFAULT));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_PROGRESS_CLASS |
                                                        ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    cobwen::MainFormOptions options;
    options.CatalogueHost = SiteOption();
    cobwen::TCobwenMainForm form(options);
    form.Show();

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.PreTranslate(message))
            continue;
        if (IsDialogMessageW(form.Window(), &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

// What ends the program when nothing else caught it: said once, without anything that can fail
// again.
int Failed(const char* what) noexcept {
    win32::LastResort(what);
    MessageBoxA(nullptr, what, "ULVAR Cobwen GUI", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return 1;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    try {
        return Run();
    } catch (const std::exception& error) {
        return Failed(error.what());
    } catch (...) {
        return Failed("unknown failure");
    }
}
