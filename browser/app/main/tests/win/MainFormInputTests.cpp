// The main window driven as a user drives it: keys and clicks through the system's input queue,
// the program's own message loop, the real registry and transfer queue.
#include "browser/app/main/resources/MessageIds.h"
#include "browser/app/main/tests/win/MainFormFixture.h"
#include "browser/app/main/tests/win/PickerScript.h"
#include "browser/app/main/win/Texts.h"
#include "browser/catalogue/core/Cp1251.h"
#include "browser/transfer/win/GetFiles.h"
#include "tools/testsupport/win/Input.h"
#include "win32/Text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace cobwen {
namespace {

using test::MainFormTest;
using test::PumpWindow;
using Shown = test::ScriptedPrompter::Shown;

BOOL CALLBACK CountPicker(HWND window, LPARAM count) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) == L"TCobwenFilterDialog" && IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// The value pickers open on this thread.
int OpenPickers() {
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountPicker, reinterpret_cast<LPARAM>(&count));
    return count;
}

BOOL CALLBACK ClosePicker(HWND window, LPARAM) {
    wchar_t name[64]{};
    GetClassNameW(window, name, 64);
    if (std::wstring_view(name) == L"TCobwenFilterDialog")
        PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Closes every picker still open once in a while, so that a picker the script did not expect
// cannot hold the test; ended with the scope.
class PickerCloser {
public:
    PickerCloser()
        : timer_(SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) {
              EnumThreadWindows(GetCurrentThreadId(), ClosePicker, 0);
          })) {}
    PickerCloser(const PickerCloser&) = delete;
    PickerCloser& operator=(const PickerCloser&) = delete;
    ~PickerCloser() { KillTimer(nullptr, timer_); }

private:
    UINT_PTR timer_;
};

std::wstring Upper(std::wstring text) {
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

// No other value contains it, so that typing it leaves it first in the picker.
bool Distinct(const std::vector<std::wstring>& values, std::size_t index) {
    for (std::size_t j = 0; j < values.size(); ++j)
        if (j != index && Upper(values[j]).find(Upper(values[index])) != std::wstring::npos)
            return false;
    return !values[index].empty();
}

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

TEST_F(MainFormInputTest, ADropDownOpensOnePickerAndNoListOfItsOwn) {
    struct Opener {
        const char* name;
        std::function<void(HWND box)> open;
    };
    const Opener openers[] = {
        {"the arrow clicked",
         [](HWND box) {
             RECT rect{};
             GetWindowRect(box, &rect);
             testsupport::ClickAt({rect.right - 8, (rect.top + rect.bottom) / 2});
         }},
        {"Alt+Down",
         [](HWND box) {
             SetFocus(box);
             testsupport::PressKeys({VK_MENU, VK_DOWN});
         }},
    };
    for (const Opener& opener : openers) {
        SCOPED_TRACE(opener.name);
        PutOldCatalogue();
        TCobwenMainForm& form = OpenInFront();
        const PickerCloser closer;
        SendMessageW(form.Filters().CheckBox(Filter::Category), BM_CLICK, 0, 0);
        const HWND box = form.Filters().ValueControl(Filter::Category);
        ASSERT_GE(form.Filters().ItemCount(Filter::Category), 3);
        int pickersWhileOpen = 0;
        std::wstring clicked;
        bool scripted = false;
        test::ScriptPicker([&](HWND picker) {
            scripted = true;
            // A click on the third entry of the picker's list, then Enter.
            const HWND list = FindWindowExW(picker, nullptr, L"LISTBOX", nullptr);
            RECT item{};
            SendMessageW(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
            POINT centre{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
            ClientToScreen(list, &centre);
            wchar_t text[256]{};
            SendMessageW(list, LB_GETTEXT, 2, reinterpret_cast<LPARAM>(text));
            clicked = text;
            testsupport::ClickAt(centre);
            testsupport::PumpUntil([] { return false; }, 300);
            pickersWhileOpen = OpenPickers();
            testsupport::PressKeys({VK_RETURN});
        });
        opener.open(box);
        ASSERT_TRUE(PumpWindow(
            form, [&] { return scripted && OpenPickers() == 0; }, 15000));
        PumpWindow(
            form, [] { return false; }, 300);
        EXPECT_EQ(pickersWhileOpen, 1);
        EXPECT_EQ(OpenPickers(), 0);
        EXPECT_FALSE(SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0)) << "the drop-down's own list";
        const int selected = form.Filters().Selected(Filter::Category);
        ASSERT_GE(selected, 0);
        EXPECT_EQ(form.Filters().Items(Filter::Category)[static_cast<std::size_t>(selected)],
                  clicked);
        // The window's keys work afterwards: Alt+1 switches the filter off.
        SetFocus(form.CatalogueList().Window());
        ASSERT_TRUE(testsupport::PressKeys({VK_MENU, '1'}));
        EXPECT_TRUE(PumpWindow(
            form, [&] { return !form.Filters().Checked(Filter::Category); }, 3000));
        form_.reset();
    }
}

TEST_F(MainFormInputTest, ARefreshEndingUnderThePickerKeepsThePickedValue) {
    PutOldCatalogue();
    TCobwenMainForm& form = OpenInFront();
    const PickerCloser closer;
    SendMessageW(form.Filters().CheckBox(Filter::Author), BM_CLICK, 0, 0);
    const std::vector<std::wstring> before = form.Filters().Items(Filter::Author);
    std::wstring wanted;
    bool scripted = false;
    test::ScriptPicker([&](HWND picker) {
        scripted = true;
        // The refresh ends, and refills the drop-down, while the picker is open.
        testsupport::PumpUntil([&] { return !form.Refreshing(); });
        const std::vector<std::wstring> after = form.Filters().Items(Filter::Author);
        // An author listed before and after, at another position.
        for (std::size_t i = 0; i < before.size() && wanted.empty(); ++i) {
            const auto found = std::ranges::find(after, before[i]);
            if (Distinct(before, i) && found != after.end() &&
                static_cast<std::size_t>(found - after.begin()) != i)
                wanted = before[i];
        }
        if (wanted.empty())
            return; // the closer ends the picker
        test::TypeText(wanted);
        testsupport::BringToFront(picker);
        testsupport::PressKeys({VK_RETURN});
    });
    prompts_.Answer(Answer::Yes);
    form.RefreshCatalogue();
    SetFocus(form.Filters().ValueControl(Filter::Author));
    ASSERT_TRUE(testsupport::PressKeys({VK_F2}));
    ASSERT_TRUE(PumpWindow(
        form, [&] { return scripted && OpenPickers() == 0; }, 30000));
    ASSERT_FALSE(wanted.empty()) << "no author moved with the refresh";
    const int selected = form.Filters().Selected(Filter::Author);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(form.Filters().Items(Filter::Author)[static_cast<std::size_t>(selected)], wanted);
}

} // namespace
} // namespace cobwen
