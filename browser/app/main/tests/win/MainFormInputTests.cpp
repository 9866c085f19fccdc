// The main window driven as a user drives it: keys and clicks through the system's input queue,
// the program's own message loop, the real registry and transfer queue.
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/transfer/win/GetFiles.h"
#include "tools/testsupport/win/Input.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

class MainFormInputTest : public MainFormTest {
protected:
    // Opens the window in front, as a user sees it.
    TCobwenMainForm& OpenInFront(const std::string& path = "") {
        TCobwenMainForm& form = Open(path);
        testsupport::BringToFront(form.Window());
        PumpWindow(
            form, [&] { return GetForegroundWindow() == form.Window(); }, 2000);
        return form;
    }

    std::string WindowKey() const { return registry_.ProgramKey() + "\\Window"; }
};

TEST_F(MainFormInputTest, ASessionClosedMaximisedStartsWithItsCatalogueAndFilters) {
    PutOldCatalogue();
    {
        TCobwenMainForm& form = OpenInFront();
        SendMessageW(form.Filters().CheckBox(Filter::Author), BM_CLICK, 0, 0);
        form.Filters().Select(Filter::Author, 1);
        SendMessageW(form.Window(), WM_COMMAND, MAKEWPARAM(FilterPanel::ValueId + 2, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(form.Filters().ValueControl(Filter::Author)));
        SetFocus(form.CatalogueList().Window());
        ASSERT_TRUE(testsupport::PressKeys({VK_F5}));
        ASSERT_TRUE(PumpWindow(form, [&] { return IsZoomed(form.Window()) != FALSE; }));
        ASSERT_TRUE(testsupport::PressKeys({VK_MENU, VK_F4}));
        ASSERT_TRUE(PumpWindow(form, [&] { return !IsWindow(form.Window()); }));
    }
    ASSERT_EQ(testsupport::GetDword(WindowKey(), "WindowState"), std::optional<DWORD>(2));
    ASSERT_EQ(testsupport::GetDword(WindowKey(), "FilterAuthor"), std::optional<DWORD>(1));

    TCobwenMainForm& again = OpenInFront();
    EXPECT_TRUE(IsZoomed(again.Window()));
    EXPECT_GT(again.Archive().Count(), 0);
    EXPECT_GT(again.CatalogueList().RowCount(), 0);
    EXPECT_GT(again.Filters().ItemCount(Filter::Category), 0);
    EXPECT_EQ(again.Filters().Selected(Filter::Author), 1);
    EXPECT_NE(again.Status().Text(0), L"0/0");
    // Its close keeps the filters as they were.
    SendMessageW(again.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(testsupport::GetDword(WindowKey(), "FilterAuthor"), std::optional<DWORD>(1));
    EXPECT_EQ(testsupport::GetDword(WindowKey(), "FilterCategory"), std::optional<DWORD>(0));
}

TEST_F(MainFormInputTest, TheListHasTheKeysAtStartAndAfterAMessageBox) {
    PutOldCatalogue();
    TCobwenMainForm& form = OpenInFront();
    RowList& list = form.CatalogueList();
    ASSERT_GT(list.RowCount(), 3);
    EXPECT_EQ(GetFocus(), list.Window());
    const int first = list.FocusedData();
    ASSERT_TRUE(testsupport::PressKeys({VK_DOWN}));
    EXPECT_TRUE(PumpWindow(
        form, [&] { return list.FocusedData() != first; }, 3000));

    // A message box of the window, answered with Enter.
    SetTimer(form.Window(), 77, 300, [](HWND owner, UINT, UINT_PTR timer, DWORD) {
        KillTimer(owner, timer);
        testsupport::PressKeys({VK_RETURN});
    });
    MessageBoxW(form.Window(), L"box", L"caption", MB_OK);
    EXPECT_TRUE(PumpWindow(
        form, [&] { return GetForegroundWindow() == form.Window(); }, 2000));
    EXPECT_EQ(GetFocus(), list.Window());
    const int second = list.FocusedData();
    ASSERT_TRUE(testsupport::PressKeys({VK_DOWN}));
    EXPECT_TRUE(PumpWindow(
        form, [&] { return list.FocusedData() != second; }, 3000));
}

TEST_F(MainFormInputTest, ARefreshWaitingForASlotOwnsTheCommands) {
    TCobwenMainForm& form = OpenInFront();
    // Another transfer of the session holds the only slot.
    std::string slowUrl = form.Archive().CatalogueURL();
    const std::string host = testsupport::LocalServer();
    slowUrl.replace(slowUrl.find(host), host.size(), host + "/slow");
    testsupport::ScratchFolder blockerFolder;
    TGetFiles blocker;
    blocker.SetDestFolder(blockerFolder.Path());
    bool blockerRunning = false;
    GetFilesEvents events;
    events.OnStart = [&](const std::string&) {
        blockerRunning = true;
    };
    blocker.SetEvents(std::move(events));
    blocker.Add(slowUrl, "held.gz");
    ASSERT_TRUE(PumpWindow(form, [&] { return blockerRunning; }));

    prompts_.Answer(Answer::Yes);
    SetFocus(form.CatalogueList().Window());
    ASSERT_TRUE(testsupport::PressKeys({VK_F6}));
    ASSERT_TRUE(PumpWindow(form, [&] { return form.Refreshing(); }));
    // Waiting: the refresh owns the commands already.
    EXPECT_FALSE(form.Tools().Enabled(ToolButton::Refresh));
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Stop));
    // A second F6 asks nothing and queues nothing.
    prompts_.Answer(Answer::Yes);
    ASSERT_TRUE(testsupport::PressKeys({VK_F6}));
    PumpWindow(
        form, [] { return false; }, 300);
    EXPECT_EQ(prompts_.Count(Shown::Question), 1u);

    blocker.Stop();
    ASSERT_TRUE(PumpWindow(
        form, [&] { return !form.Refreshing(); }, 30000));
    EXPECT_EQ(prompts_.Count(Shown::Error), 0u)
        << win32::FromWide(prompts_.Last(Shown::Error), BrowserCodePage);
    EXPECT_EQ(form.Archive().Count(), RowCount(SiteCatalogue()));
    EXPECT_EQ(RowCount(folder_.File("plugins.dat.gz")), form.Archive().Count());
    EXPECT_TRUE(form.Tools().Enabled(ToolButton::Refresh));
    EXPECT_FALSE(form.Tools().Enabled(ToolButton::Stop));
}

} // namespace
} // namespace cobwen
