// The settings dialog itself under the virtual display: keys, clicks and messages played into its
// modal loop, the platform's dialogs answered by the test.
#include "browser/app/main/tests/win/SettingsScript.h"
#include "browser/app/main/win/SettingsForm.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/SystemLocale.h"
#include "tools/testsupport/win/Input.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

namespace cobwen {
namespace {

using test::ClickControl;
using test::ClickPage;
using test::Command;
using test::ControlChecked;
using test::ControlText;
using test::SettingsScript;
using Step = SettingsScript::Step;

// A catalogue of `count` records named "p0", "p1", ...
std::string CatalogueText(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::vector<std::string> fields(TCobwenArchive::FieldCount);
        fields[0] = std::to_string(100 + i);
        fields[2] = "p" + std::to_string(i);
        fields[4] = "d" + std::to_string(i);
        fields[6] = "p" + std::to_string(i) + ".zip";
        fields[7] = std::to_string(1000 + i);
        fields[12] = "1." + std::to_string(i);
        fields[13] = "01.02.2003";
        for (std::size_t f = 0; f < fields.size(); ++f)
            text +=
                (f ? std::string(1, TCobwenArchive::FieldSeparator) : std::string()) + fields[f];
        text += "\r\n";
    }
    return text;
}

class SettingsFormTest : public ::testing::Test {
protected:
    void SetUp() override { view.FontList.Name = "Arial"; }

    // Runs the dialog with the steps; the last step closes it.
    bool Run(std::vector<Step> steps) {
        SettingsScript script(std::move(steps));
        const bool confirmed = RunSettingsDialog(nullptr, settings, view, archive, locale, dialogs);
        EXPECT_TRUE(script.Done());
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(FindWindowW(SettingsFormClass, nullptr), nullptr);
        return confirmed;
    }

    static TCobwenSettingsForm& Form(HWND dialog) {
        TCobwenSettingsForm* form = TCobwenSettingsForm::FromWindow(dialog);
        EXPECT_NE(form, nullptr);
        return *form;
    }

    SystemTextLocale locale;
    TCobwenArchive archive{locale};
    test::ScriptedSettingsDialogs dialogs;
    TCobwenSettings settings;
    ViewSettings view;
};

TEST_F(SettingsFormTest, CancelAfterAColourChangeKeepsTheOldColour) {
    view.ColorNew = RGB(10, 20, 30);
    const ViewSettings before = view;
    dialogs.colour = RGB(200, 100, 50);
    COLORREF shown = CLR_INVALID;
    EXPECT_FALSE(Run({
        [](HWND dialog) { ClickPage(dialog, 2); },
        [](HWND dialog) { ClickControl(dialog, IdBackgroundNew); },
        [&](HWND dialog) {
            // The sample follows at once: the new-plug-in sample is the first row's data.
            shown = Form(dialog).CellColour(0, 0, 0, false).Background;
            testsupport::PressKeys({VK_ESCAPE});
        },
    }));
    EXPECT_EQ(dialogs.colourStarts, (std::vector<std::uint32_t>{RGB(10, 20, 30)}));
    EXPECT_EQ(shown, RGB(200, 100, 50));
    EXPECT_EQ(view, before);
}

TEST_F(SettingsFormTest, OkTakesTheColoursFontsAndStripesBack) {
    dialogs.colour = RGB(1, 2, 3);
    dialogs.font = FontSettings{"Courier New", 204, RGB(0, 128, 0), 11, FontBold};
    ASSERT_TRUE(Run({
        [](HWND dialog) { ClickPage(dialog, 2); },
        [](HWND dialog) { ClickControl(dialog, IdBackgroundOdd); },
        [](HWND dialog) { ClickControl(dialog, IdFontPreview); },
        [](HWND dialog) { ClickControl(dialog, IdStripedRow); },
        [](HWND dialog) { ClickControl(dialog, IDOK); },
    }));
    EXPECT_EQ(view.ColorOdd, RGB(1, 2, 3));
    EXPECT_EQ(view.FontPreview, *dialogs.font);
    EXPECT_EQ(view.FontList.Name, "Arial");
    EXPECT_TRUE(view.StripedRow);
}

TEST_F(SettingsFormTest, OkTrimsATemplateOfBlanksAndALineBreak) {
    settings.StatusInfoFormat = "%Name";
    ASSERT_TRUE(Run({
        [](HWND dialog) { ClickPage(dialog, 1); },
        [](HWND dialog) {
            SetDlgItemTextW(dialog, IdAddInfoFormat, L"   %Name %Ver");
            SetFocus(GetDlgItem(dialog, IdAddInfoFormat));
            SendMessageW(GetDlgItem(dialog, IdAddInfoFormat), EM_SETSEL, 100, 100);
            // Return in the field is a line break, not OK.
            testsupport::PressKeys({VK_RETURN});
        },
        [](HWND dialog) {
            EXPECT_EQ(ControlText(dialog, IdAddInfoFormat), L"   %Name %Ver\r\n");
            ClickControl(dialog, IDOK);
        },
    }));
    EXPECT_EQ(settings.AddInfoFormat, "%Name %Ver");
    EXPECT_EQ(settings.StatusInfoFormat, "%Name");
}

TEST_F(SettingsFormTest, DraggingNameOntoTheStatusTemplateAppendsIt) {
    settings.StatusInfoFormat = Utf8ToCp1251("Плагин:");
    POINT from{};
    POINT to{};
    ASSERT_TRUE(Run({
        [](HWND dialog) { ClickPage(dialog, 1); },
        [&](HWND dialog) {
            const HWND formats = GetDlgItem(dialog, IdFormats);
            RECT row{LVIR_LABEL, 0, 0, 0};
            SendMessageW(formats, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
            from = {row.left + 10, (row.top + row.bottom) / 2};
            ClientToScreen(formats, &from);
            const HWND status = GetDlgItem(dialog, IdStatusInfoFormat);
            RECT field{};
            GetClientRect(status, &field);
            to = {field.right / 2, field.bottom / 2};
            ClientToScreen(status, &to);
            testsupport::MouseMove(from);
            testsupport::MouseDown(from);
        },
        [&](HWND) {
            testsupport::MouseMove({from.x + 20, from.y + 10});
        },
        [&](HWND) { testsupport::MouseMove(to); },
        [&](HWND) { testsupport::MouseUp(to); },
        [](HWND dialog) {
            EXPECT_EQ(ControlText(dialog, IdStatusInfoFormat), L"Плагин:%Name");
            // The other fields got nothing.
            EXPECT_EQ(ControlText(dialog, IdAddInfoFormat), L"%Description");
            ClickControl(dialog, IDOK);
        },
    }));
    EXPECT_EQ(settings.StatusInfoFormat, Utf8ToCp1251("Плагин:%Name"));
}

TEST_F(SettingsFormTest, OpensOnItsFirstPageAfterClosingOnAnother) {
    EXPECT_FALSE(Run({
        [](HWND dialog) { ClickPage(dialog, 3); },
        [](HWND dialog) {
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IdSaveToIni)));
            ClickControl(dialog, IDCANCEL);
        },
    }));
    EXPECT_FALSE(Run({
        [](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageW(dialog, IdPages, TCM_GETCURSEL, 0, 0), 0);
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IdShowAddInfo)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IdSaveToIni)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IdFormats)));
            testsupport::PressKeys({VK_ESCAPE});
        },
    }));
}

TEST_F(SettingsFormTest, ThePasswordShowsStarsAndTheProxyFieldsFollowTheChoice) {
    settings.Proxy = {ProxyAccessMode::Given, "proxy:3128", "user", "secret", false};
    struct State {
        bool host, auth, user, password;
    };
    const auto expect = [](HWND dialog, State state) {
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdHostLabel)) != 0, state.host);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdHost)) != 0, state.host);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdAuthNeeded)) != 0, state.auth);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdUserNameLabel)) != 0, state.user);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdUserName)) != 0, state.user);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdPasswordLabel)) != 0, state.password);
        EXPECT_EQ(IsWindowEnabled(GetDlgItem(dialog, IdPassword)) != 0, state.password);
    };
    ASSERT_TRUE(Run({
        [&](HWND dialog) {
            EXPECT_EQ(SendDlgItemMessageW(dialog, IdPassword, EM_GETPASSWORDCHAR, 0, 0), L'*');
            EXPECT_EQ(ControlText(dialog, IdPassword), L"secret");
            EXPECT_TRUE(ControlChecked(dialog, IdSpecifiedProxy));
            // The given proxy without authentication.
            expect(dialog, {true, true, false, false});
            ClickControl(dialog, IdAuthNeeded);
        },
        [&](HWND dialog) {
            expect(dialog, {true, true, true, true});
            ClickControl(dialog, IdDefaultProxy);
        },
        [&](HWND dialog) {
            expect(dialog, {false, false, false, false});
            ClickControl(dialog, IdNoProxy);
        },
        [&](HWND dialog) {
            expect(dialog, {false, false, false, false});
            ClickControl(dialog, IdSpecifiedProxy);
        },
        [&](HWND dialog) {
            expect(dialog, {true, true, true, true});
            ClickControl(dialog, IDOK);
        },
    }));
    EXPECT_EQ(settings.Proxy.ProxyAccess, ProxyAccessMode::Given);
    EXPECT_TRUE(settings.Proxy.ProxyAuthRequired);
    EXPECT_EQ(settings.Proxy.ProxyPassword, "secret");
}

TEST_F(SettingsFormTest, ThePeriodFollowsTheUpdateCheckAndTheCountOfNoneKeepsOneSlot) {
    settings.CheckForUpdates = false;
    settings.MaxDownloadCount = 3;
    ASSERT_TRUE(Run({
        [](HWND dialog) {
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IdPeriod)));
            SetDlgItemTextW(dialog, IdMaxDownloadCount, L"0");
            ClickPage(dialog, 3);
        },
        [](HWND dialog) { ClickControl(dialog, IdCheckForUpdate); },
        [](HWND dialog) {
            for (const int id : {IdPeriodLabel, IdPeriod, IdDaysLabel})
                EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, id))) << id;
            SetDlgItemTextW(dialog, IdPeriod, L"400");
            ClickControl(dialog, IDOK);
        },
    }));
    EXPECT_TRUE(settings.CheckForUpdates);
    EXPECT_EQ(settings.PeriodCheckForUpdates, 365);
    EXPECT_EQ(settings.MaxDownloadCount, 1u);
}

TEST_F(SettingsFormTest, TheFolderButtonOffersTheFieldsFolderAndTakesTheChoice) {
    settings.DownloadFolder = Utf8ToCp1251("C:\\Плагины");
    dialogs.folder = Utf8ToCp1251("D:\\Загрузки");
    ASSERT_TRUE(Run({
        [](HWND dialog) { ClickControl(dialog, IdBrowseFolder); },
        [](HWND dialog) { ClickControl(dialog, IDOK); },
    }));
    EXPECT_EQ(dialogs.folderTitles,
              (std::vector<std::string>{Utf8ToCp1251("Выберите каталог для загружаемых файлов")}));
    EXPECT_EQ(dialogs.folderStarts, (std::vector<std::string>{Utf8ToCp1251("C:\\Плагины")}));
    EXPECT_EQ(settings.DownloadFolder, Utf8ToCp1251("D:\\Загрузки"));
}

TEST_F(SettingsFormTest, TheFindInFieldDropsDownItsBoxes) {
    settings.FindIn = FindInEMail;
    const auto frameOf = [](HWND dialog) {
        return FindWindowExW(dialog, nullptr, SettingsNFindClass, nullptr);
    };
    const int descriptionBox = TCobwenSettingsNFind::FirstBoxId; // "в описании плагина"
    ASSERT_TRUE(Run({
        [&](HWND dialog) {
            EXPECT_EQ(ControlText(dialog, IdFindIn), L"в e-mail");
            EXPECT_FALSE(IsWindowVisible(frameOf(dialog)));
            ClickControl(dialog, IdFindInButton);
        },
        [&](HWND dialog) {
            const HWND frame = frameOf(dialog);
            ASSERT_TRUE(IsWindowVisible(frame));
            EXPECT_TRUE(ControlChecked(frame, descriptionBox + 3)); // "в e-mail автора"
            ClickControl(frame, descriptionBox);
        },
        [&](HWND dialog) {
            EXPECT_EQ(ControlText(dialog, IdFindIn), L"в описании, в e-mail");
            // The frame stays down for more clicks until its button is clicked again.
            EXPECT_TRUE(IsWindowVisible(frameOf(dialog)));
            ClickControl(dialog, IdFindInButton);
        },
        [&](HWND dialog) {
            EXPECT_FALSE(IsWindowVisible(frameOf(dialog)));
            ClickControl(dialog, IDOK);
        },
    }));
    EXPECT_EQ(settings.FindIn, FindInDescription | FindInEMail);
}

TEST_F(SettingsFormTest, TheSampleShowsTheTwoSamplesAndUpToThreeRecords) {
    struct Case {
        int records;
        int rows;
    };
    for (const Case c : {Case{0, 2}, Case{2, 4}, Case{10, 5}}) {
        SCOPED_TRACE(c.records);
        archive.Clear();
        if (c.records) {
            ASSERT_EQ(archive.LoadFromText(CatalogueText(c.records)), LoadOk);
        }
        std::vector<std::wstring> names;
        EXPECT_FALSE(Run({
            [&](HWND dialog) {
                RowList& sample = Form(dialog).Sample();
                for (int row = 0; row < sample.RowCount(); ++row)
                    names.push_back(Form(dialog).CellText(sample.RowData(row), 0));
                EXPECT_TRUE(sample.PreviewShown());
                ClickControl(dialog, IDCANCEL);
            },
        }));
        EXPECT_EQ(static_cast<int>(names.size()), c.rows);
        EXPECT_NE(std::find(names.begin(), names.end(), L"Новый плагин"), names.end());
        EXPECT_NE(std::find(names.begin(), names.end(), L"Закачанный плагин"), names.end());
    }
}

} // namespace
} // namespace cobwen
