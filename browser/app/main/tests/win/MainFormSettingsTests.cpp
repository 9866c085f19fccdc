// "Настройки" from the main window: F9 opens the dialog, OK puts the edited settings in effect and
// the close saves them; the proxy chosen there carries the next transfer.
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/tests/win/SettingsScript.h"
#include "browser/app/main/win/SettingsForm.h"
#include "browser/catalogue/core/Cp1251.h"
#include "tools/testsupport/LocalServers.h"
#include "tools/testsupport/win/Input.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::ClickControl;
using test::ClickPage;
using test::MainFormTest;
using test::SettingsScript;
using Shown = test::ScriptedPrompter::Shown;

class MainFormSettingsTest : public MainFormTest {
protected:
    // Runs the settings command with the script played into the dialog.
    void RunSettings(TCobwenMainForm& form, std::vector<SettingsScript::Step> steps) {
        SettingsScript script(std::move(steps));
        form.RunCommand({Command::Settings});
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(script.TimedOut());
    }
};

TEST_F(MainFormSettingsTest, F9OpensTheSettingsAndOkPutsThemInEffectAndSavesThem) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Settings));
    settingsDialogs_.colour = RGB(250, 240, 10);
    const std::wstring folder = win32::ToWide(folder_.Path(), CP_ACP) + L"\\Загрузки";
    {
        SettingsScript script({
            [](HWND dialog) { ClickPage(dialog, 2); },
            [](HWND dialog) { ClickControl(dialog, IdBackgroundOdd); },
            [&](HWND dialog) {
                ClickPage(dialog, 0);
                SetDlgItemTextW(dialog, IdDownloadFolder, folder.c_str());
                SetDlgItemTextW(dialog, IdMaxDownloadCount, L"3");
            },
            [](HWND dialog) { ClickControl(dialog, IDOK); },
        });
        testsupport::BringToFront(form.Window());
        SetFocus(form.CatalogueList().Window());
        ASSERT_TRUE(testsupport::PressKeys({VK_F9}));
        ASSERT_TRUE(test::PumpWindow(
            form, [&] { return script.Done() && !FindWindowW(SettingsFormClass, nullptr); }));
        EXPECT_FALSE(script.TimedOut());
    }
    EXPECT_EQ(form.Settings().View.ColorOdd, RGB(250, 240, 10));
    EXPECT_EQ(form.Settings().Settings.DownloadFolder, win32::FromWide(folder, BrowserCodePage));
    EXPECT_EQ(form.Settings().Settings.MaxDownloadCount, 3u);
    // Every second column of the list shows the new colour at once (no stripes by rows yet).
    const int data = form.CatalogueList().RowData(0);
    EXPECT_EQ(form.CellColour(data, 0, 1, false).Background, RGB(250, 240, 10));
    EXPECT_TRUE(IsWindowEnabled(form.Window()));

    // A cancelled dialog changes nothing.
    settingsDialogs_.colour = RGB(1, 1, 1);
    RunSettings(form, {
                          [](HWND dialog) { ClickPage(dialog, 2); },
                          [](HWND dialog) { ClickControl(dialog, IdBackgroundOdd); },
                          [](HWND dialog) { ClickControl(dialog, IDCANCEL); },
                      });
    EXPECT_EQ(form.Settings().View.ColorOdd, RGB(250, 240, 10));

    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    const std::string key = registry_.ProgramKey();
    EXPECT_EQ(testsupport::GetDword(key + "\\Window", "ColorOdd"),
              std::optional<DWORD>(RGB(250, 240, 10)));
    EXPECT_EQ(testsupport::GetDword(key + "\\Settings", "MaxDownloadCount"),
              std::optional<DWORD>(3));
    TCobwenMainForm& again = Open();
    EXPECT_EQ(again.Settings().View.ColorOdd, RGB(250, 240, 10));
    EXPECT_EQ(again.Settings().Settings.DownloadFolder, win32::FromWide(folder, BrowserCodePage));
}

TEST_F(MainFormSettingsTest, AProxyChosenInTheDialogCarriesTheNextTransfer) {
    const std::string proxy = testsupport::LocalProxy();
    if (proxy.empty())
        GTEST_SKIP() << "needs the authenticating proxy of run_with_site.py (tinyproxy)";
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    const int before = form.Archive().Count();
    const auto chooseProxy = [&](const std::string& host) {
        RunSettings(form, {
                              [](HWND dialog) { ClickControl(dialog, IdSpecifiedProxy); },
                              [&](HWND dialog) {
                                  SetDlgItemTextW(dialog, IdHost,
                                                  win32::ToWide(host, CP_ACP).c_str());
                                  if (!IsDlgButtonChecked(dialog, IdAuthNeeded))
                                      ClickControl(dialog, IdAuthNeeded);
                              },
                              [](HWND dialog) {
                                  SetDlgItemTextW(dialog, IdUserName, L"user");
                                  SetDlgItemTextW(dialog, IdPassword, L"secret");
                                  ClickControl(dialog, IDOK);
                              },
                          });
        EXPECT_EQ(form.Settings().Settings.Proxy.ProxyHost, host);
    };
    // A proxy where nothing listens: the refresh cannot connect.
    chooseProxy("127.0.0.1:1");
    ASSERT_EQ(form.Settings().Settings.Proxy.ProxyAccess, ProxyAccessMode::Given);
    Refresh(form);
    EXPECT_EQ(prompts_.Count(Shown::Error), 1u);
    EXPECT_EQ(form.Archive().Count(), before);

    // The authenticating proxy with its credentials: the next refresh goes through it.
    chooseProxy(proxy);
    EXPECT_EQ(form.Settings().Settings.Proxy.ProxyPassword, "secret");
    Refresh(form);
    EXPECT_EQ(prompts_.Count(Shown::Error), 1u);
    EXPECT_GT(form.Archive().Count(), before);
}

} // namespace
} // namespace cobwen
