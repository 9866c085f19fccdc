// The main window against a local catalogue site: start with and without a local catalogue, the
// refresh through the real transfer queue, and the close writing the real registry.
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/tests/win/PickerScript.h"
#include "browser/app/main/tests/win/ScriptedPrompter.h"
#include "browser/app/main/win/MainForm.h"
#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/CobwenArchive.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/catalogue/win/SystemLocale.h"
#include "tools/testsupport/LocalServers.h"
#include "tools/testsupport/ScratchFolder.h"
#include "tools/testsupport/win/MessagePump.h"
#include "tools/testsupport/win/TestRegistryKey.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::ScriptedPrompter;
using Shown = ScriptedPrompter::Shown;

COLORREF Resolved(std::uint32_t colour) {
    return (colour & 0x80000000u) ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

// The program in a folder whose name the system's ANSI code page cannot spell (Cyrillic on a
// Western system): the local catalogue beside it is found, and a refresh replaces it.
TEST_F(MainFormTest, ProgramFolderNamedOutsideTheAnsiCodePage) {
    if (GetACP() == 1251)
        GTEST_SKIP() << "shows only under an ANSI code page other than 1251";
    const std::wstring programFolder = win32::ToWide(folder_.Path(), win32::AnsiCodePage) +
                                       L"\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430";
    ASSERT_TRUE(CreateDirectoryW(programFolder.c_str(), nullptr));
    const std::wstring local = programFolder + L"\\plugins.dat.gz";
    ASSERT_TRUE(
        CopyFileW(win32::ToWide(oldCatalogue_, win32::AnsiCodePage).c_str(), local.c_str(), FALSE));
    const int oldRows = RowCount(oldCatalogue_);

    MainFormOptions options;
    options.ProgramPath = programFolder + L"\\cobwen.exe";
    options.CatalogueHost = testsupport::LocalServer();
    options.RegistryKey = registry_.ProgramKey();
    options.Prompts = &prompts_;
    form_ = std::make_unique<TCobwenMainForm>(options);
    form_->Show();
    EXPECT_EQ(form_->Archive().Count(), oldRows) << "the local catalogue was found";

    Refresh(*form_);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), CP_UTF8);
    const int siteRows = RowCount(SiteCatalogue());
    EXPECT_EQ(form_->Archive().Count(), siteRows);
    // The new catalogue took the local one's place (it is larger than the old one).
    WIN32_FILE_ATTRIBUTE_DATA replaced{};
    ASSERT_TRUE(GetFileAttributesExW(local.c_str(), GetFileExInfoStandard, &replaced));
    WIN32_FILE_ATTRIBUTE_DATA site{};
    ASSERT_TRUE(GetFileAttributesExW(win32::ToWide(SiteCatalogue(), win32::AnsiCodePage).c_str(),
                                     GetFileExInfoStandard, &site));
    EXPECT_EQ(replaced.nFileSizeLow, site.nFileSizeLow);
}

TEST_F(MainFormTest, FirstStartWithoutCatalogueThenRefresh) {
    TCobwenMainForm& form = Open();
    EXPECT_EQ(form.Status().Text(0), L"0/0");
    EXPECT_EQ(form.Status().Text(2), MessageText(IDS_CATALOGUE_EMPTY_OR_BAD));
    EXPECT_EQ(form.CatalogueList().RowCount(), 0);

    Refresh(form);
    const int siteRows = RowCount(SiteCatalogue());
    EXPECT_EQ(form.Archive().Count(), siteRows);
    EXPECT_EQ(form.CatalogueList().RowCount(), siteRows);
    EXPECT_EQ(form.Status().Text(0), std::to_wstring(siteRows) + L"/" + std::to_wstring(siteRows));
    EXPECT_EQ(RowCount(folder_.File("plugins.dat.gz")), siteRows);
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
    ExpectIdle(form);
}

TEST_F(MainFormTest, RefreshColoursTheNewPlugins) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    const int oldRows = RowCount(oldCatalogue_);
    EXPECT_EQ(form.Status().Text(0), std::to_wstring(oldRows) + L"/" + std::to_wstring(oldRows));
    const std::string oldNewest = form.Archive().NewestStamp();
    // Nothing is new at start.
    for (int row = 0; row < form.CatalogueList().RowCount(); ++row)
        ASSERT_EQ(form.CellColour(form.CatalogueList().RowData(row), row, 0, false).Background,
                  CLR_INVALID);

    Refresh(form);
    ASSERT_GT(form.Archive().Count(), oldRows);
    EXPECT_EQ(form.PreviousNewestStamp(), oldNewest);
    const COLORREF colorNew = Resolved(form.Settings().View.ColorNew);
    int newRows = 0;
    for (int row = 0; row < form.CatalogueList().RowCount(); ++row) {
        const int data = form.CatalogueList().RowData(row);
        const bool isNew = form.Archive().GetItem(data)->Stamp > oldNewest;
        newRows += isNew ? 1 : 0;
        EXPECT_EQ(form.CellColour(data, row, 0, false).Background, isNew ? colorNew : CLR_INVALID)
            << form.Archive().GetItem(data)->Name;
        // A selected cell keeps the list's own colours.
        EXPECT_EQ(form.CellColour(data, row, 0, true).Background, CLR_INVALID);
    }
    EXPECT_EQ(newRows, form.Archive().Count() - oldRows);
    EXPECT_EQ(RowCount(folder_.File("plugins.dat.gz")), form.Archive().Count());
}

TEST_F(MainFormTest, TextsAreDrawnInTheirFontsColours) {
    PutOldCatalogue();
    {
        // A first start: the designed fonts, the preview in navy.
        TCobwenMainForm& form = Open();
        const int data = form.CatalogueList().RowData(0);
        EXPECT_EQ(form.CellColour(data, 0, 0, false).Text, GetSysColor(COLOR_WINDOWTEXT));
        EXPECT_EQ(form.PreviewColour(data, false).Text, RGB(0, 0, 128));
        SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    }
    const std::string fonts = registry_.ProgramKey() + "\\Window";
    EXPECT_EQ(testsupport::GetString(fonts + "\\FontPreview", "Name"),
              std::optional<std::string>("Tahoma"));
    ASSERT_TRUE(testsupport::SetDword(fonts + "\\FontList", "Color", RGB(200, 0, 0)));
    ASSERT_TRUE(testsupport::SetDword(fonts + "\\FontPreview", "Color", RGB(0, 120, 0)));
    TCobwenMainForm& form = Open();
    const int data = form.CatalogueList().RowData(1);
    EXPECT_EQ(form.CellColour(data, 1, 1, false).Text, RGB(200, 0, 0));
    EXPECT_EQ(form.PreviewColour(data, false).Text, RGB(0, 120, 0));
    // Selected texts take the list's highlight colours.
    EXPECT_EQ(form.CellColour(data, 1, 1, true).Text, CLR_INVALID);
    EXPECT_EQ(form.PreviewColour(data, true).Text, CLR_INVALID);
}

TEST_F(MainFormTest, DeclinedRefreshStartsNothing) {
    for (const Answer answer : {Answer::No, Answer::Cancel}) {
        PutOldCatalogue();
        TCobwenMainForm& form = Open();
        const int rows = form.Archive().Count();
        prompts_.Answer(answer);
        form.RefreshCatalogue();
        EXPECT_EQ(prompts_.Last(Shown::Question), MessageText(IDS_REFRESH_QUESTION));
        EXPECT_FALSE(form.Refreshing());
        EXPECT_FALSE(testsupport::PumpUntil([&] { return form.Status().ProgressShown(); }, 500));
        EXPECT_EQ(form.Archive().Count(), rows);
        ExpectIdle(form);
    }
}

TEST_F(MainFormTest, StoppedRefreshKeepsTheLocalCatalogue) {
    PutOldCatalogue();
    std::string before;
    ASSERT_TRUE(testsupport::ReadFile(folder_.File("plugins.dat.gz"), before));
    TCobwenMainForm& form = Open("/slow");
    prompts_.Answer(Answer::Yes);
    form.RefreshCatalogue();
    ASSERT_TRUE(testsupport::PumpUntil([&] { return form.Status().ProgressPosition() > 0; }));
    EXPECT_FALSE(form.Tools().Enabled(ToolButton::Refresh));
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Stop));

    form.StopTransfers();
    EXPECT_EQ(form.Status().Text(2), MessageText(IDS_STOPPING));
    ASSERT_TRUE(testsupport::PumpUntil([&] { return !form.Refreshing(); }));
    ExpectIdle(form);
    std::string after;
    ASSERT_TRUE(testsupport::ReadFile(folder_.File("plugins.dat.gz"), after));
    EXPECT_EQ(after, before);
    EXPECT_EQ(form.Archive().Count(), RowCount(oldCatalogue_));
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u);
}

TEST_F(MainFormTest, FailedRefreshKeepsTheLocalCatalogue) {
    struct Case {
        const char* path;
        std::wstring errorStart;
    };
    const Case cases[] = {
        // An error status fails the transfer; the worker's text names it.
        {"/missing", MessageText(IDS_CONNECTION_ERROR)},
        // A cut download is refused and deleted.
        {"/bad", MessageText(IDS_CANNOT_LOAD_CATALOGUE)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        PutOldCatalogue();
        std::string before;
        ASSERT_TRUE(testsupport::ReadFile(folder_.File("plugins.dat.gz"), before));
        prompts_ = ScriptedPrompter();
        TCobwenMainForm& form = Open(c.path);
        const int rows = form.Archive().Count();
        Refresh(form);
        ASSERT_EQ(prompts_.Count(Shown::Error), 1u);
        EXPECT_EQ(prompts_.Last(Shown::Error).rfind(c.errorStart, 0), 0u)
            << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
        std::string after;
        ASSERT_TRUE(testsupport::ReadFile(folder_.File("plugins.dat.gz"), after));
        EXPECT_EQ(after, before);
        EXPECT_EQ(form.Archive().Count(), rows);
        EXPECT_EQ(form.CatalogueList().RowCount(), rows);
        ExpectIdle(form);
    }
}

TEST_F(MainFormTest, NameFilterFollowsTheTyping) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    const int rows = form.Archive().Count();
    const TCobwenData* first = form.Archive().GetItem(0);
    SendMessageW(form.Filters().CheckBox(Filter::Name), BM_CLICK, 0, 0);
    // An empty text filters nothing.
    EXPECT_EQ(form.CatalogueList().RowCount(), rows);
    form.Filters().SetNameText(win32::ToWide(first->Name, BrowserCodePage));
    int expected = 0;
    for (int i = 0; i < rows; ++i)
        expected += form.Archive().GetItem(i)->Name.find(first->Name) != std::string::npos ? 1 : 0;
    EXPECT_GE(expected, 1);
    EXPECT_LE(form.CatalogueList().RowCount(), rows);
    EXPECT_GE(form.CatalogueList().RowCount(), expected);
    EXPECT_EQ(form.Status().Text(0),
              std::to_wstring(form.CatalogueList().RowCount()) + L"/" + std::to_wstring(rows));
    // Not a valid expression: no row at all, and the status bar says why.
    form.Filters().SetNameText(L"(");
    EXPECT_EQ(form.CatalogueList().RowCount(), 0);
    EXPECT_EQ(form.Status().Text(0), L"0/" + std::to_wstring(rows));
    EXPECT_EQ(form.Status().Text(2), MessageText(IDS_INVALID_NAME_FILTER));
    // A valid one again, or the filter off, takes the reason away.
    form.Filters().SetNameText(L"(a|b)");
    EXPECT_NE(form.Status().Text(2), MessageText(IDS_INVALID_NAME_FILTER));
    form.Filters().SetNameText(L"[");
    EXPECT_EQ(form.Status().Text(2), MessageText(IDS_INVALID_NAME_FILTER));
    SendMessageW(form.Filters().CheckBox(Filter::Name), BM_CLICK, 0, 0);
    EXPECT_EQ(form.CatalogueList().RowCount(), rows);
    EXPECT_NE(form.Status().Text(2), MessageText(IDS_INVALID_NAME_FILTER));
}

TEST_F(MainFormTest, DigitKeySwitchesAFilterOnAndSteps) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    ASSERT_FALSE(form.Filters().Checked(Filter::Category));
    SetFocus(form.CatalogueList().Window());
    MSG key{form.CatalogueList().Window(), WM_KEYDOWN, '1', 0, 0, {}};
    EXPECT_TRUE(form.PreTranslate(key));
    EXPECT_TRUE(form.Filters().Checked(Filter::Category));
    EXPECT_TRUE(IsWindowEnabled(form.Filters().ValueControl(Filter::Category)));
    EXPECT_EQ(form.Filters().Selected(Filter::Category), 1);
    // Only the chosen category is listed.
    const std::vector<std::wstring> categories = form.Filters().Items(Filter::Category);
    const std::string category = win32::FromWide(categories.at(1), BrowserCodePage);
    for (int row = 0; row < form.CatalogueList().RowCount(); ++row)
        EXPECT_EQ(form.Archive().GetItem(form.CatalogueList().RowData(row))->Category, category);
    EXPECT_GT(form.CatalogueList().RowCount(), 0);
    // 4 is swallowed and changes nothing.
    MSG four{form.CatalogueList().Window(), WM_KEYDOWN, '4', 0, 0, {}};
    EXPECT_TRUE(form.PreTranslate(four));
    EXPECT_FALSE(form.Filters().Checked(Filter::Name));
}

TEST_F(MainFormTest, F2InADropDownPicksItsValue) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    SendMessageW(form.Filters().CheckBox(Filter::Category), BM_CLICK, 0, 0);
    const std::vector<std::wstring> categories = form.Filters().Items(Filter::Category);
    ASSERT_GE(categories.size(), 3u);
    // A category that no other one contains, so that typing it leaves it first.
    const auto upper = [](std::wstring text) {
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
        return text;
    };
    int chosen = -1;
    for (int i = static_cast<int>(categories.size()) - 1; i >= 0 && chosen < 0; --i) {
        bool unique = true;
        for (int j = 0; j < static_cast<int>(categories.size()); ++j)
            unique = unique && (i == j || upper(categories[j]).find(upper(categories[i])) ==
                                              std::wstring::npos);
        if (unique)
            chosen = i;
    }
    ASSERT_GT(chosen, 0);
    const std::wstring wanted = categories[chosen];
    test::ScriptPicker([&](HWND) {
        test::TypeText(wanted);
        test::PressKey(VK_RETURN);
    });
    SetFocus(form.Filters().ValueControl(Filter::Category));
    MSG f2{form.Filters().ValueControl(Filter::Category), WM_KEYDOWN, VK_F2, 0, 0, {}};
    EXPECT_TRUE(form.PreTranslate(f2));
    EXPECT_EQ(form.Filters().Selected(Filter::Category), chosen);
    ASSERT_GT(form.CatalogueList().RowCount(), 0);
    for (int row = 0; row < form.CatalogueList().RowCount(); ++row)
        EXPECT_EQ(win32::ToWide(form.Archive().GetItem(form.CatalogueList().RowData(row))->Category,
                                BrowserCodePage),
                  wanted);
}

TEST_F(MainFormTest, DialogKeysDoNothingAndMenuEntriesRunTheirCommand) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    // Enter and Esc reach the window as IDOK and IDCANCEL through the dialog manager.
    for (const WPARAM command : {IDOK, IDCANCEL})
        SendMessageW(form.Window(), WM_COMMAND, command, 0);
    EXPECT_TRUE(prompts_.History().empty());
    EXPECT_FALSE(form.Refreshing());

    const int data = form.CatalogueList().RowData(0);
    ASSERT_TRUE(form.CatalogueList().Locate(data, true));
    SendMessageW(form.Window(), WM_COMMAND, TCobwenMainForm::MenuId(Command::SetFilterByCategory),
                 0);
    EXPECT_TRUE(form.Filters().Checked(Filter::Category));
    const std::string category = form.Archive().GetItem(data)->Category;
    ASSERT_GT(form.CatalogueList().RowCount(), 0);
    for (int row = 0; row < form.CatalogueList().RowCount(); ++row)
        EXPECT_EQ(form.Archive().GetItem(form.CatalogueList().RowData(row))->Category, category);
}

TEST_F(MainFormTest, CloseSavesPlacementAndFiltersToTheRegistry) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open();
    SendMessageW(form.Filters().CheckBox(Filter::Author), BM_CLICK, 0, 0);
    form.Filters().Select(Filter::Author, 1);
    SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(FilterPanel::ValueId + 2, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.Filters().ValueControl(Filter::Author)));
    SetWindowPos(form.Window(), nullptr, 40, 30, 900, 640, SWP_NOZORDER);
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.Window()));

    const std::string window = registry_.ProgramKey() + "\\Window";
    EXPECT_EQ(testsupport::GetString(window, "FilterUseAuthor"), std::optional<std::string>("1"));
    EXPECT_EQ(testsupport::GetString(window, "FilterUseCategory"), std::optional<std::string>("0"));
    EXPECT_EQ(testsupport::GetDword(window, "FilterAuthor"), std::optional<DWORD>(1));
    EXPECT_EQ(testsupport::GetDword(window, "Width"), std::optional<DWORD>(900));
    EXPECT_EQ(testsupport::GetDword(window, "Height"), std::optional<DWORD>(640));
    EXPECT_EQ(testsupport::GetDword(window, "Left"), std::optional<DWORD>(40));

    // The next start shows what was saved.
    TCobwenMainForm& again = Open();
    EXPECT_TRUE(again.Filters().Checked(Filter::Author));
    EXPECT_EQ(again.Filters().Selected(Filter::Author), 1);
    RECT rect{};
    GetWindowRect(again.Window(), &rect);
    EXPECT_EQ(rect.right - rect.left, 900);
}

TEST_F(MainFormTest, CloseWhileRefreshingAsksFirst) {
    PutOldCatalogue();
    TCobwenMainForm& form = Open("/slow");
    prompts_.Answer(Answer::Yes);
    form.RefreshCatalogue();
    ASSERT_TRUE(testsupport::PumpUntil([&] { return form.Status().ProgressShown(); }));
    prompts_.Answer(Answer::No);
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(prompts_.Last(Shown::Question), MessageText(IDS_CLOSE_WHILE_LOADING));
    EXPECT_TRUE(IsWindow(form.Window()));
    prompts_.Answer(Answer::Yes);
    SendMessageW(form.Window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form.Window()));
    form_.reset();
}

} // namespace
} // namespace cobwen
